#!/bin/bash
# The user's tour (tests/tour/tour.py) of the tavrin.exe that tools/build.sh
# made, on a virtual display; screenshots go to build/tour/shots.
#   tests/tour/tour.sh [BUILD_DIR]     (default build/win32)
set -euo pipefail
cd "$(dirname "$0")/../.."
build="${1:-build/win32}"
case "$(basename "$build")" in
win64) compiler=x86_64-w64-mingw32-g++ ;;
*) compiler=i686-w64-mingw32-g++ ;;
esac
peek="$build/tour-peek.exe"
if [ ! -f "$peek" ] || [ tests/tour/peek.cpp -nt "$peek" ]; then
    "$compiler" -O1 -Wall -Wextra -Werror -static -o "$peek" tests/tour/peek.cpp
fi
exec tests/wine/with-wine.sh "$build" \
    python3 tests/tour/tour.py "$build/tavrin.exe" "$peek" build/tour
