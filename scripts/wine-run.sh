#!/usr/bin/env bash
# Runs a Windows program under Wine in the given prefix, preparing the
# prefix on first use, and under a virtual X server when there is no display.
#   [TAVELIN_DPI=144] scripts/wine-run.sh PREFIX PROGRAM.exe [ARGUMENTS...]
# With TAVELIN_DPI other than 96, the program runs in a copy of PREFIX whose
# screen has that DPI.
set -euo pipefail
prefix=$1
shift

WINEPREFIX=$("$(dirname "$0")/wine-prefix.sh" "$prefix" "${TAVELIN_DPI:-96}")
export WINEPREFIX
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
# As on a Chinese Windows: Wine's own texts, such as the message box's 确定,
# in Simplified Chinese. Wine needs no system locale for it.
export LC_ALL=zh_CN.UTF-8
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" wine "$@"
fi
exec wine "$@"
