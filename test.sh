#!/bin/bash
# Installs what is missing, builds everything and runs all tests: the native
# unit tests under the sanitizers, then the program's windows under Wine.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh
tools/build.sh
jobs="$(nproc 2>/dev/null || echo 2)"
ctest --test-dir build/native --output-on-failure -j"$jobs"
# One Wine test at a time: they share the display, the focus and the clipboard.
tests/wine/with-wine.sh build/win32/wineprefix \
    ctest --test-dir build/win32 --output-on-failure
# Saving settings onto a full disk and into a read-only folder, which only
# mounts made here can give the Wine test.
tests/faults/with_mounted_folders.sh tests/wine/with-wine.sh build/win32/wineprefix \
    tests/wine/wine-run.sh build/win32/tavrin_win32_tests.exe -tc='*full disk*' -nv
# The release archives: reproducible, whole, versioned.
tests/release/check_release.sh
