#!/bin/bash
# Installs what is missing, builds everything and runs all tests: the native
# unit tests under the sanitizers, then the program's windows under Wine in
# every build this host can run: the 64-bit one always, the 32-bit one where
# the host executes 32-bit programs (and TAVRIN_64BIT_ONLY=1 is not set).
set -euo pipefail
cd "$(dirname "$0")"
. tools/prepare-host.sh
tools/build.sh
jobs="$(nproc 2>/dev/null || echo 2)"
ctest --test-dir build/native --output-on-failure -j"$jobs"
# Every reader of a file's bytes, fuzzed for a few seconds where clang is.
tools/fuzz_smoke.sh

builds=(win64)
if [ -z "$tavrin_32bit_skip" ]; then
    builds=(win32 win64)
else
    echo "Skipping the 32-bit build's Wine tests: $tavrin_32bit_skip." >&2
fi
failed=()
for build in "${builds[@]}"; do
    echo "== Wine tests of the $build build (Windows NT and Windows 98 branches)"
    # One Wine test at a time: they share the display, the focus and the clipboard.
    tests/wine/with-wine.sh "build/$build" \
        ctest --test-dir "build/$build" --output-on-failure || failed+=("$build")
    # Saving settings onto a full disk and into a read-only folder, which only
    # mounts made here can give the Wine test.
    tests/faults/with_mounted_folders.sh tests/wine/with-wine.sh "build/$build" \
        tests/wine/wine-run.sh "build/$build/tavrin_win32_tests.exe" -tc='*full disk*' -nv ||
        failed+=("$build (mounted folders)")
done
# The real program driven from outside like a user, by mouse and keyboard,
# in the first build this host runs.
tests/tour/tour.sh "build/${builds[0]}" || failed+=("tour")
# The release archives: reproducible, whole, versioned.
tests/release/check_release.sh || failed+=("release")

echo
echo "Wine tests run: ${builds[*]}, each in its NT and Windows 98 branches."
if [ -n "$tavrin_32bit_skip" ]; then
    echo "Not run: win32 ($tavrin_32bit_skip)."
fi
if [ ${#failed[@]} -gt 0 ]; then
    echo "Failed: ${failed[*]}." >&2
    exit 1
fi
