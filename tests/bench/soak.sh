#!/bin/bash
# The soak: win32_soak.exe (tests/bench/win32_soak.cpp) uses the real program
# hard for MINUTES on a display of its own, reporting its GDI objects and the
# Reader's rate; meanwhile this script samples every 10 s, as the host sees
# that process, its resident memory and its open file descriptors. Not run
# by test.sh. It has a Wine prefix of its own (build/soak), so tests may run
# beside it.
#   tests/bench/soak.sh [MINUTES] [BUILD_DIR]     (default 30, build/win32)
set -euo pipefail
cd "$(dirname "$0")/../.."
minutes="${1:-30}"
build="${2:-build/win32}"
out=build/soak
mkdir -p "$out"
cp "$build/wine.env" "$out/"
exe="$(realpath "$build/win32_soak.exe")"
export minutes exe out
tests/wine/with-wine.sh "$out" bash -c '
    tests/wine/wine-run.sh "$exe" "$minutes" >"$out/program.txt" &
    pid=""
    for i in $(seq 100); do
        pid="$(pgrep -n -f "^[^ ]*win32_soak.exe $minutes" || true)"
        [ -n "$pid" ] && break
        sleep 0.1
    done
    [ -n "$pid" ] || { echo "soak: the program did not start" >&2; exit 1; }
    begun=$(date +%s)
    echo "seconds RSS_KB fds" >"$out/host.txt"
    while kill -0 "$pid" 2>/dev/null; do
        rss="$(awk "/^VmRSS:/ { print \$2 }" /proc/$pid/status 2>/dev/null || true)"
        fds="$(ls /proc/$pid/fd 2>/dev/null | wc -l)"
        [ -n "$rss" ] && echo "$(( $(date +%s) - begun )) $rss $fds" >>"$out/host.txt"
        sleep 10
    done
    wait'
cat "$out/program.txt"
echo
# The host figures from the first minute on: the sample nearest 60 s, the last.
awk 'NR > 1 { t[n] = $1; rss[n] = $2; fds[n] = $3; n++ }
     END {
         a = 0
         for (i = 0; i < n; i++) if (t[i] <= 60) a = i
         z = n - 1
         lo_r = hi_r = rss[a]; lo_f = hi_f = fds[a]
         for (i = a; i < n; i++) {
             if (rss[i] < lo_r) lo_r = rss[i]; if (rss[i] > hi_r) hi_r = rss[i]
             if (fds[i] < lo_f) lo_f = fds[i]; if (fds[i] > hi_f) hi_f = fds[i]
         }
         printf "host, %d samples: resident memory from %d s to %d s: %d KB -> %d KB (range %d KB)\n", n, t[a], t[z], rss[a], rss[z], hi_r - lo_r
         printf "host: open file descriptors from %d s to %d s: %d -> %d (range %d)\n", t[a], t[z], fds[a], fds[z], hi_f - lo_f
     }' "$out/host.txt"
