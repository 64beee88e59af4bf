#!/bin/bash
# Builds Tavrin for Windows twice from the same sources, as the shipped 32-bit
# program (build/win32, i686) and as a 64-bit one (build/win64, x86_64), each
# with its Wine tests, and the logic that draws nothing natively with its unit
# tests (build/native).
#   tools/build.sh                       everything
#   tools/build.sh --program-only ARCH   only tavrin.exe of win32 or win64
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="$(nproc 2>/dev/null || echo 2)"
configure_windows() {
    local arch=$1 toolchain=$2
    cmake -S . -B "build/$arch" -DCMAKE_TOOLCHAIN_FILE="cmake/$toolchain" \
          -DCMAKE_BUILD_TYPE=Release >/dev/null
}
if [ "${1:-}" = "--program-only" ]; then
    case "${2:-}" in
    win32) configure_windows win32 mingw-i686.cmake ;;
    win64) configure_windows win64 mingw-x86_64.cmake ;;
    *) echo "usage: tools/build.sh [--program-only win32|win64]" >&2; exit 2 ;;
    esac
    cmake --build "build/$2" -j"$jobs" --target tavrin
    exit 0
fi
configure_windows win32 mingw-i686.cmake
cmake --build build/win32 -j"$jobs"
configure_windows win64 mingw-x86_64.cmake
cmake --build build/win64 -j"$jobs"
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/native -j"$jobs"
