#!/bin/bash
# Installs what building, running and testing Tavrin needs on Debian 12, when
# missing; a minimal system (debootstrap's minbase, the usual container image)
# lacks much of it. Safe to run again: it installs nothing that is already
# there. Both MinGW-w64 compilers are always installed (both builds are made
# on every host); 32-bit Wine, with the i386 architecture it needs, unless
# TAVRIN_64BIT_ONLY=1.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/hosts.sh
packages=(cmake make g++ libgtest-dev doctest-dev g++-mingw-w64-i686 g++-mingw-w64-x86-64
          wine wine64 xvfb xdotool imagemagick fonts-liberation zip unzip
          # what localedef builds ru_RU.UTF-8 from, which Wine needs for Cyrillic file names
          locales
          # the tour and the floors test
          python3
          # pgrep, for the soak
          procps
          # the commit's time that stamps the release archives, in a copied clone too
          git
          # zlib, natively and for both MinGW targets
          zlib1g-dev libz-mingw-w64-dev
          # test books in EPUB, FB2 and DOCX, made by a tool nobody here wrote
          pandoc)
tavrin_64bit_only || packages+=(wine32:i386)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}" >&2
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "error: installing these needs root, and sudo is not installed: run this as root" >&2
        echo "once (or install them yourself with apt-get), then run it again as you." >&2
        exit 1
    fi
    sudo="sudo"
fi
if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -q
# Through env: sudo drops the caller's environment, and the locales package
# would otherwise stop to ask which locales to make.
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
