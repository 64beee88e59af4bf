#!/bin/bash
# Builds tavrin.exe and its Wine tests (build/win32), and the native unit
# tests (build/native).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="$(nproc 2>/dev/null || echo 2)"
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win32 -j"$jobs"
if [ "${1:-}" != "--program-only" ]; then
    cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug >/dev/null
    cmake --build build/native -j"$jobs"
fi
