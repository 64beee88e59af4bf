# Which of Tavrin's two Windows builds this host can run under Wine.
# Sourced by setup.sh and prepare-host.sh. The 64-bit build runs on every
# amd64 host; the 32-bit one only where the kernel executes 32-bit programs,
# which is found out by running one. TAVRIN_64BIT_ONLY=1 takes the 64-bit-only
# path even where both would run.
tavrin_wine32_loader=/usr/lib/wine/wine
tavrin_wine64_loader=/usr/lib/wine/wine64

tavrin_64bit_only() {
    [ "${TAVRIN_64BIT_ONLY:-0}" = 1 ]
}

# Sets tavrin_32bit_skip to why the 32-bit build cannot be run here, or to
# nothing when it can.
check_32bit_host() {
    local out
    tavrin_32bit_skip=""
    if tavrin_64bit_only; then
        tavrin_32bit_skip="TAVRIN_64BIT_ONLY=1 is set"
    elif [ ! -x "$tavrin_wine32_loader" ]; then
        tavrin_32bit_skip="32-bit Wine ($tavrin_wine32_loader) is not installed"
    elif ! out=$("$tavrin_wine32_loader" --version 2>&1); then
        tavrin_32bit_skip="this host does not execute 32-bit programs ($tavrin_wine32_loader --version: ${out:-no output})"
    fi
}

# Fails loudly on a host where not even the 64-bit build can run.
require_amd64_host() {
    local machine
    machine="$(uname -m)"
    if [ "$machine" != x86_64 ]; then
        echo "error: the Wine tests need an amd64 (x86_64) host; this one is $machine." >&2
        exit 1
    fi
}
