#!/bin/bash
# Runs a command with a virtual display and a Wine server ready for one
# Windows build tree (build/win32 or build/win64; its wineprefix works too):
#   with-wine.sh BUILD_DIR COMMAND...
# Uses the current DISPLAY when TAVRIN_USE_DISPLAY=1, otherwise starts Xvfb.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/wine-env.sh"
load_wine_build "$1"
shift
"$here/prepare-prefix.sh" "$tavrin_build"

xvfb_pid=""
cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
}
trap cleanup EXIT

if [ "${TAVRIN_USE_DISPLAY:-0}" != 1 ] || [ -z "${DISPLAY:-}" ]; then
    fifo="$(mktemp -u)"
    mkfifo "$fifo"
    Xvfb -displayfd 7 -screen 0 1024x768x24 -nolisten tcp 7>"$fifo" </dev/null >/dev/null 2>&1 &
    xvfb_pid=$!
    read -r display_number <"$fifo"
    rm -f "$fifo"
    export DISPLAY=":$display_number"
fi
# A server started here with its streams closed keeps CTest from waiting on it.
wineserver -p </dev/null >/dev/null 2>&1
# Wine's own services start with the first program; start them here too, so
# that they do not hold the streams of the first test.
"$TAVRIN_WINE_LOADER" cmd /c exit </dev/null >/dev/null 2>&1 || true
"$@"
