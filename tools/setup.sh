#!/bin/bash
# Installs what building, running and testing Tavrin needs on Debian 12, when
# missing. Safe to run again: it installs nothing that is already there.
# Both MinGW-w64 compilers are always installed (both builds are made on
# every host); 32-bit Wine, with the i386 architecture it needs, unless
# TAVRIN_64BIT_ONLY=1.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/hosts.sh
packages=(cmake make g++ libgtest-dev doctest-dev g++-mingw-w64-i686 g++-mingw-w64-x86-64
          wine wine64 xvfb xdotool imagemagick fonts-liberation zip unzip pandoc
          zlib1g-dev libz-mingw-w64-dev)
tavrin_64bit_only || packages+=(wine32:i386)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}" >&2
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
