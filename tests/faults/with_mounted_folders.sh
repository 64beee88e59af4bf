#!/bin/bash
# Runs a command with two folders that a Windows program under Wine cannot
# make for itself, named to it by environment variables (Wine passes them on):
#   TAVRIN_FULL_FOLDER       on a 64 KB tmpfs, for the test to fill
#   TAVRIN_READ_ONLY_FOLDER  on a tmpfs mounted read-only, holding tav.dat "300 "
# Mounting needs root; where it fails, the variable stays unset, the line
# below says why, and the test says it skipped.
#   with_mounted_folders.sh COMMAND...
set -euo pipefail
base="$(mktemp -d /tmp/tavrin-mounts.XXXXXX)"
cleanup() {
    umount "$base/full" "$base/read-only" 2>/dev/null || true
    rm -rf "$base"
}
trap cleanup EXIT
mkdir "$base/full" "$base/read-only"
windows_path() { echo "Z:$1" | tr / '\\'; }
if mount -t tmpfs -o size=64k,mode=0777 tavrin-full "$base/full" 2>/dev/null; then
    export TAVRIN_FULL_FOLDER="$(windows_path "$base/full")"
else
    echo "full-disk test skipped: cannot mount a tmpfs here (needs root)"
fi
if mount -t tmpfs -o size=64k,mode=0777 tavrin-read-only "$base/read-only" 2>/dev/null &&
    printf '300 ' >"$base/read-only/tav.dat" &&
    mount -o remount,ro "$base/read-only" 2>/dev/null; then
    export TAVRIN_READ_ONLY_FOLDER="$(windows_path "$base/read-only")"
else
    echo "read-only folder test skipped: cannot mount a read-only tmpfs here (needs root)"
fi
"$@"
