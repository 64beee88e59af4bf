#!/bin/bash
# Installs what is missing, builds tavrin.exe and starts it under Wine: the
# 32-bit program where this host runs 32-bit programs, the 64-bit one
# otherwise (or with TAVRIN_64BIT_ONLY=1).
#   ./run.sh [FILE]      FILE, a path on this machine, is opened at start
# With a display (DISPLAY set) it appears there. Without one it runs on a
# virtual display and saves a screenshot of it every two seconds to
# build/screen.png; stop it with Ctrl-C.
set -euo pipefail
file=""
if [ $# -gt 0 ]; then
    file="$(realpath -m -- "$1")"
fi
cd "$(dirname "$0")"
. tools/prepare-host.sh
if [ -z "$tavrin_32bit_skip" ]; then
    build=win32
    echo "Running the 32-bit program (build/win32/tavrin.exe)."
else
    build=win64
    echo "Running the 64-bit program (build/win64/tavrin.exe): $tavrin_32bit_skip."
fi
tools/build.sh --program-only "$build"
mkdir -p build/run
cp "build/$build/tavrin.exe" build/run/
cd build/run
# The program's command line: the file, named as Windows names it under Wine.
named_file='set --
if [ -n "$file" ]; then
    set -- "$(../../tests/wine/wine-run.sh winepath -w "$file" | tr -d "\r")"
fi'
export file
if [ -n "${DISPLAY:-}" ]; then
    export TAVRIN_USE_DISPLAY=1
    exec ../../tests/wine/with-wine.sh "../$build" bash -c "$named_file"'
    exec ../../tests/wine/wine-run.sh tavrin.exe "$@"'
fi
echo "No display: Tavrin runs on a virtual display."
echo "Its screen is saved every 2 s to $(pwd)/../screen.png. Press Ctrl-C to stop."
exec ../../tests/wine/with-wine.sh "../$build" bash -c "$named_file"'
    ../../tests/wine/wine-run.sh tavrin.exe "$@" &
    program=$!
    trap "kill $program 2>/dev/null" INT TERM
    while kill -0 $program 2>/dev/null; do
        sleep 2
        import -window root ../screen.png 2>/dev/null || true
    done'
