#!/bin/sh
# Runs a Windows program under Wine in the test prefix, quietly.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# A Russian Windows: ANSI code page 1251, so the dialog template's Russian
# labels reach its ANSI controls intact.
export LC_ALL=ru_RU.UTF-8
exec wine "$@"
