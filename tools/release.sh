#!/bin/bash
# Builds the release archives into dist/:
#   tavrin-VERSION-win32.zip   the PE32 tavrin.exe, README.txt, LICENSE.txt
#   tavrin-VERSION-win64.zip   the same for the x86-64 build
#   tavrin-VERSION-SHA256SUMS.txt
# Two runs on the same commit give byte-identical files: the linker writes no
# time into the PE header, and every file in an archive carries the commit's
# time, fixed permissions and no extra fields, in sorted order.
#   tools/release.sh [--build-root DIR] [--dist DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build_root=build/release
dist=dist
while [ $# -gt 0 ]; do
    case "$1" in
    --build-root) build_root="$2"; shift 2 ;;
    --dist) dist="$2"; shift 2 ;;
    *) echo "usage: $0 [--build-root DIR] [--dist DIR]" >&2; exit 2 ;;
    esac
done
for tool in cmake zip sha256sum; do
    command -v "$tool" >/dev/null || { echo "release: $tool is missing (tools/setup.sh installs it)" >&2; exit 1; }
done
version="$(head -n 1 VERSION)"
export SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 315532800)}"
# zip stores local times: the same in every time zone only under one.
export TZ=UTC LC_ALL=C
jobs="$(nproc 2>/dev/null || echo 2)"
[ "$jobs" -gt 2 ] && jobs=2

# The README's sections for users, as plain text with Windows line ends: the
# building and testing sections, the links to the measurements and the
# pictures are left out.
user_readme() {
    printf 'Tavrin %s\n\n' "$version"
    awk '
        /^# / { next }
        /^## / { section = substr($0, 4) }
        section ~ /^(Building and testing|Tested as a user meets it|Releases|The source)$/ { next }
        /^Measured: \[/ { skipped_picture = 1; next }
        /^!\[/ { skipped_picture = 1; next }
        skipped_picture && /^$/ { skipped_picture = 0; next }
        { skipped_picture = 0; print }
    ' README.md
}

mkdir -p "$dist"
zips=()
# One iteration per Windows build: the name in the archive's name, and the
# processor its toolchain file is named after.
for target in win32:i686 win64:x86_64; do
    name="${target%%:*}" cpu="${target#*:}"
    toolchain="cmake/mingw-$cpu.cmake"
    if [ ! -f "$toolchain" ]; then
        echo "release: no $toolchain, so no $name archive" >&2
        continue
    fi
    tree="$build_root/$name"
    cmake --no-warn-unused-cli -S . -B "$tree" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$tree" -j"$jobs" --target tavrin >/dev/null

    stage="$tree/package"
    rm -rf "$stage"
    mkdir -p "$stage"
    cp "$tree/tavrin.exe" "$stage/tavrin.exe"
    user_readme | sed 's/$/\r/' >"$stage/README.txt"
    sed 's/$/\r/' LICENSE >"$stage/LICENSE.txt"
    chmod 644 "$stage"/*
    touch -d "@$SOURCE_DATE_EPOCH" "$stage"/*
    archive="tavrin-$version-$name.zip"
    rm -f "$dist/$archive"
    (cd "$stage" && ls | sort | zip -X -D -q -9 -@ "$OLDPWD/$dist/$archive")
    zips+=("$archive")
    echo "release: $dist/$archive"
done
[ ${#zips[@]} -gt 0 ] || { echo "release: nothing built" >&2; exit 1; }
(cd "$dist" && sha256sum "${zips[@]}" >"tavrin-$version-SHA256SUMS.txt")
echo "release: $dist/tavrin-$version-SHA256SUMS.txt"
