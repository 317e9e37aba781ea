#!/usr/bin/env bash
# Creates a Wine prefix for the tests once: scripts/wine-prefix.sh PREFIX
# Wine has no Chinese face of its own, so the prefix maps the window's font,
# Microsoft YaHei UI, and the message box fallbacks to Noto Sans CJK SC.
set -euo pipefail
export WINEPREFIX=$1
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
ready=$WINEPREFIX/.tavelin-ready
[ -f "$ready" ] && exit 0

mkdir -p "$WINEPREFIX"
# Several tests may start at once; the first one prepares the prefix.
exec 9>"$WINEPREFIX.lock"
flock 9
[ -f "$ready" ] && exit 0

wineboot -i >/dev/null 2>&1
for face in "Microsoft YaHei UI" "Microsoft YaHei" "SimSun" "MS Shell Dlg" "Tahoma"; do
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d "Noto Sans CJK SC" /f >/dev/null 2>&1
done
wineserver -w
touch "$ready"
