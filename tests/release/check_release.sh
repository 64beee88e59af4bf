#!/bin/bash
# Checks the release: tools/release.sh, building in a tree of its own, must
# make the same tavrin.exe as tools/build.sh made in build/ (two builds of one
# commit in two places), and running it again must give the same archives.
# The archives must open, carry the version from VERSION, and hold a README
# with Windows line ends.
set -euo pipefail
cd "$(dirname "$0")/../.."
version="$(head -n 1 VERSION)"
work="$(mktemp -d build/release-check.XXXXXX)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "release check FAILED: $*"; failures=$((failures + 1)); }

tools/release.sh --build-root "$work/build" --dist "$work/first" >/dev/null
sleep 1 # a second later: no time of the run may reach the archives
tools/release.sh --build-root "$work/build" --dist "$work/second" >/dev/null
grep -q "version $version" README.md || fail "README.md does not name version $version"
for archive in "$work"/first/*.zip; do
    before=$failures
    name="$(basename "$archive")"
    cmp -s "$archive" "$work/second/$name" || fail "$name differs between two runs"
    unzip -tq "$archive" >/dev/null || fail "$name does not test whole"
    [ "$(unzip -Z1 "$archive" | tr '\n' ' ')" = "LICENSE.txt README.txt tavrin.exe " ] ||
        fail "$name holds $(unzip -Z1 "$archive" | tr '\n' ' ')"
    target="${name%.zip}"
    target="${target##*-}"
    unzip -q -o "$archive" -d "$work/$target"
    exe="$work/$target/tavrin.exe"
    if [ -f "build/$target/tavrin.exe" ]; then
        cmp -s "$exe" "build/$target/tavrin.exe" ||
            fail "$name: tavrin.exe differs from build/$target/tavrin.exe"
    else
        echo "release check: no build/$target/tavrin.exe to compare $name with"
    fi
    info="$(strings -el "$exe" | tr '\n' ' ')"
    [[ "$info" == *"ProductName Tavrin "* ]] || fail "$name: no product name Tavrin"
    [[ "$info" == *"ProductVersion $version "* ]] || fail "$name: product version is not $version"
    if grep -qv $'\r$' "$work/$target/README.txt"; then fail "$name: README.txt has a line without CR LF"; fi
    [ "$failures" -eq "$before" ] && echo "release check: $name whole, reproducible, version $version"
done
(cd "$work/first" && sha256sum -c --quiet "tavrin-$version-SHA256SUMS.txt") || fail "SHA-256 sums do not match"
[ "$failures" -eq 0 ]
