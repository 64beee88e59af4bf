#!/bin/bash
# Creates the Wine prefix a Windows build tree's program and tests run in,
# once: Wine's own fonts, a serif face for "Times New Roman", unmanaged
# windows (no window manager runs on the virtual display) and Windows 98 for
# the test programs of the 95-family branches.
#   prepare-prefix.sh BUILD_DIR
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/wine-env.sh"
. "$here/../../tools/hosts.sh"
load_wine_build "$1"
prefix="$WINEPREFIX"
# Changing what is set up below? Raise the number: old prefixes are rebuilt.
ready="tavrin prefix 2, $WINEARCH"
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
# The Russian locale (see hosts.sh), built beside the prefix when the system
# has none; wine-run.sh points LOCPATH at it. localedef may warn and still
# build it: what it wrote decides.
locale_dir="$prefix.locale/ru_RU.UTF-8"
if [ ! -f "$locale_dir/LC_CTYPE" ] && ! tavrin_system_has_russian_locale; then
    require_russian_locale
    mkdir -p "$prefix.locale"
    said="$(localedef -i ru_RU -f UTF-8 "$locale_dir" 2>&1)" || true
    if [ ! -f "$locale_dir/LC_CTYPE" ]; then
        rm -rf "$locale_dir"
        russian_locale_missing "localedef -i ru_RU -f UTF-8 failed: $said"
    fi
fi
if [ "$(cat "$prefix/.tavrin-ready" 2>/dev/null)" = "$ready" ]; then
    exit 0
fi
rm -rf "$prefix"
echo "Creating the $WINEARCH Wine prefix $prefix ..." >&2
fail() {
    echo "error: $1 failed (exit status $2) while creating the Wine prefix $prefix." >&2
    echo "Wine said:" >&2
    sed 's/^/    /' "$log" | tail -n 30 >&2
    echo "Check that $TAVRIN_WINE_LOADER runs ('$TAVRIN_WINE_LOADER --version'); on a host" >&2
    echo "that executes no 32-bit programs, run with TAVRIN_64BIT_ONLY=1. Then run the" >&2
    echo "command again: the unfinished prefix is removed and made anew." >&2
    exit 1
}
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
status=0
"$TAVRIN_WINE_LOADER" wineboot -i </dev/null >"$log" 2>&1 || status=$?
[ $status -eq 0 ] || fail "wineboot" $status
wineserver -w
mkdir -p "$prefix/drive_c/windows/Fonts"
cp /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/"
reg() {
    local status=0
    "$TAVRIN_WINE_LOADER" reg add "$@" /f </dev/null >"$log" 2>&1 || status=$?
    [ $status -eq 0 ] || fail "reg add $1" $status
}
reg 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N
reg 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /t REG_SZ /d 'Liberation Serif'
reg 'HKCU\Software\Wine\AppDefaults\tavrin_win32_tests_98.exe' /v Version /t REG_SZ /d win98
reg 'HKCU\Software\Wine\AppDefaults\tavrin98.exe' /v Version /t REG_SZ /d win98
wineserver -w
echo "$ready" >"$prefix/.tavrin-ready"
