#!/usr/bin/env bash
# Runs a Windows program under Wine in a copy of the given prefix, prepared
# on first use, on a display of its own (scripts/isolated.sh); then ends
# Wine's server and processes and removes the copy:
#   [TAVELIN_DPI=144] scripts/wine-run.sh PREFIX PROGRAM.exe [ARGUMENTS...]
# With TAVELIN_DPI other than 96, the program runs on a screen of that DPI.
set -euo pipefail
[ -n "${TAVELIN_ISOLATED:-}" ] || exec "$(dirname "$0")/isolated.sh" "$0" "$@"
prefix=$1
shift

# Beside the prefix, on its file system, for its hard links.
mkdir -p "$(dirname "$prefix")"
WINEPREFIX=$(mktemp -d "$prefix-run.XXXXXX")
trap 'rm -rf "$WINEPREFIX"' EXIT
trap 'exit 143' TERM # once Wine, ended with it, has
"$(dirname "$0")/wine-prefix.sh" "$prefix" "${TAVELIN_DPI:-96}" "$WINEPREFIX"
export WINEPREFIX
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
# As on a Chinese Windows: Wine's own texts, such as the message box's 确定,
# in Simplified Chinese. Wine needs no system locale for it, and is the only
# one told, so that nothing else warns of a locale the system lacks.
status=0
LC_ALL=zh_CN.UTF-8 wine "$@" || status=$?
# The copy is thrown away: Wine's own processes in it are ended at once, not
# waited for as they shut down over some two seconds.
wineserver -k 2>/dev/null || true
wineserver -w
exit "$status"
