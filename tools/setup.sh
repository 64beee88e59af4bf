#!/bin/bash
# Installs what building and running Tavrin needs on Debian 12, when missing.
# Safe to run again: it installs nothing that is already there.
set -euo pipefail
packages=(cmake make g++ libgtest-dev doctest-dev g++-mingw-w64-i686 mingw-w64-tools
          wine wine32:i386 xvfb xdotool imagemagick fonts-liberation)
packages+=(zip unzip) # tools/release.sh
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}" >&2
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
