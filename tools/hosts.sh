# What this host needs to run Tavrin's Windows builds under Wine, and which
# of the two it can run. Sourced by setup.sh, prepare-host.sh and
# tests/wine/prepare-prefix.sh. The 64-bit build runs on every
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

# Wine names Unix files in UTF-8 only under a UTF-8 locale, and the program
# runs as on a Russian Windows (tests/wine/wine-run.sh): without ru_RU.UTF-8
# no folder with Cyrillic letters in its name can be made or opened. Either
# the system has it, or localedef builds it (beside each Wine prefix, see
# prepare-prefix.sh) from these sources of the locales package.
tavrin_locale_sources=(/usr/share/i18n/locales/ru_RU /usr/share/i18n/charmaps/UTF-8.gz)

tavrin_system_has_russian_locale() {
    locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'
}

# Stops, saying what is missing, unless ru_RU.UTF-8 is there or can be built.
require_russian_locale() {
    local source
    tavrin_system_has_russian_locale && return 0
    command -v localedef >/dev/null || russian_locale_missing "there is no localedef"
    for source in "${tavrin_locale_sources[@]}"; do
        [ -e "$source" ] || russian_locale_missing "there is no $source"
    done
}

# Stops with why the locale cannot be had (the argument) and how to get it.
russian_locale_missing() {
    echo "error: the ru_RU.UTF-8 locale is not installed and cannot be built: $1." >&2
    echo "Wine needs it for files and folders with Cyrillic names. Install the locales" >&2
    echo "package (apt-get install locales, as root; tools/setup.sh does it), or make" >&2
    echo "the locale for the whole system (ru_RU.UTF-8 UTF-8 in /etc/locale.gen, then" >&2
    echo "locale-gen, as root). Then run the command again." >&2
    exit 1
}
