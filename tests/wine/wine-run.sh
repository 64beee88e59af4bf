#!/bin/sh
# Runs a Windows program under Wine, quietly, with the loader of the build
# it belongs to (set by with-wine.sh or the test's environment).
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# A Russian Windows: ANSI code page 1251, so the dialog template's Russian
# labels reach its ANSI controls intact. TAVRIN_LOCALE=C gives a Western one,
# code page 1252.
export LC_ALL="${TAVRIN_LOCALE:-ru_RU.UTF-8}"
# The locale itself, when the system has none (see prepare-prefix.sh).
if [ -d "${WINEPREFIX:-}.locale/ru_RU.UTF-8" ]; then
    export LOCPATH="$WINEPREFIX.locale"
fi
exec "${TAVRIN_WINE_LOADER:-wine}" "$@"
