#!/usr/bin/env bash
# Runs a Windows program under Wine in the given prefix, preparing the
# prefix on first use, and under a virtual X server when there is no display.
#   scripts/wine-run.sh [--dpi DPI] PREFIX PROGRAM.exe [ARGUMENTS...]
# With --dpi, the program runs in a copy of PREFIX whose screen has that DPI.
set -euo pipefail
dpi=96
if [ "$1" = --dpi ]; then
    dpi=$2
    shift 2
fi
prefix=$1
shift

WINEPREFIX=$("$(dirname "$0")/wine-prefix.sh" "$prefix" "$dpi")
export WINEPREFIX
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" wine "$@"
fi
exec wine "$@"
