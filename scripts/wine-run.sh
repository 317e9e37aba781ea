#!/usr/bin/env bash
# Runs a Windows program under Wine in the given prefix, preparing the
# prefix on first use, and under a virtual X server when there is no display.
#   scripts/wine-run.sh PREFIX PROGRAM.exe [ARGUMENTS...]
set -euo pipefail
export WINEPREFIX=$1
shift
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="

"$(dirname "$0")/wine-prefix.sh" "$WINEPREFIX"
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" wine "$@"
fi
exec wine "$@"
