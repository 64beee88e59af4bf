#!/bin/sh
# Runs a Windows program under Wine in the test prefix, quietly.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
exec wine "$@"
