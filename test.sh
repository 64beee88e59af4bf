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
# The release archives: reproducible, whole, versioned.
tests/release/check_release.sh
