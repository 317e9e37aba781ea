#!/usr/bin/env bash
# Creates a Wine prefix for the tests once: scripts/wine-prefix.sh PREFIX [DPI]
# Wine has no Chinese face of its own, so the prefix maps the window's font,
# Microsoft YaHei UI, and the message box fallbacks to Noto Sans CJK SC.
# With a DPI other than 96, the prefix is PREFIX-<DPI>dpi: a copy of PREFIX
# with the screen's LogPixels set, which is much faster than a new wineboot.
set -euo pipefail
base=$1
dpi=${2:-96}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# Several tests may start at once; the first one prepares the prefix.
prepare_once() {
    [ -f "$WINEPREFIX/.tavelin-ready" ] && return
    mkdir -p "$(dirname "$WINEPREFIX")"
    exec 9>"$WINEPREFIX.lock"
    flock 9
    [ -f "$WINEPREFIX/.tavelin-ready" ] || "$@"
    exec 9>&-
}

boot_base() {
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    for face in "Microsoft YaHei UI" "Microsoft YaHei" "SimSun" "MS Shell Dlg" "Tahoma"; do
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d "Noto Sans CJK SC" /f >/dev/null 2>&1
    done
    wineserver -w
    touch "$WINEPREFIX/.tavelin-ready"
}

# The system files are hard links to the base's; the registry, which Wine
# rewrites, is copied. The parts are named one by one: tests may be running
# in the base, whose wineserver saves the registry through temporary files
# that can vanish in the middle of a copy of the whole folder.
copy_with_dpi() {
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    cp -al "$base/drive_c" "$base/dosdevices" "$base/.update-timestamp" "$WINEPREFIX/"
    cp "$base"/*.reg "$WINEPREFIX/"
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.tavelin-ready"
}

export WINEPREFIX=$base
prepare_once boot_base
if [ "$dpi" != 96 ]; then
    export WINEPREFIX=$base-${dpi}dpi
    prepare_once copy_with_dpi
fi
echo "$WINEPREFIX"
