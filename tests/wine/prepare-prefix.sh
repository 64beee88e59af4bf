#!/bin/bash
# Creates the 32-bit Wine prefix the program and its tests run in, once:
# Wine's own fonts, a serif face for "Times New Roman", unmanaged windows (no
# window manager runs on the virtual display) and Windows 98 for the test
# program of the 95-family branches.
set -euo pipefail
prefix="$(realpath -m "$1")"
export WINEPREFIX="$prefix" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
if [ -f "$prefix/.tavrin-ready" ]; then
    exit 0
fi
rm -rf "$prefix"
echo "Creating the Wine prefix $prefix ..." >&2
wineboot -i </dev/null >/dev/null 2>&1
wineserver -w
mkdir -p "$prefix/drive_c/windows/Fonts"
cp /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/"
reg() { wine reg add "$@" /f </dev/null >/dev/null 2>&1; }
reg 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N
reg 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /t REG_SZ /d 'Liberation Serif'
reg 'HKCU\Software\Wine\AppDefaults\tavrin_win32_tests_98.exe' /v Version /t REG_SZ /d win98
reg 'HKCU\Software\Wine\AppDefaults\tavrin98.exe' /v Version /t REG_SZ /d win98
wineserver -w
touch "$prefix/.tavrin-ready"
