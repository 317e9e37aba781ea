#!/usr/bin/env bash
# Prepares a Wine prefix for the tests once, and gives a run a copy of its own:
#   scripts/wine-prefix.sh PREFIX DPI COPY
# Wine has no Chinese face of its own, so the prefix maps the window's font,
# Microsoft YaHei UI, and the message box fallbacks to Noto Sans CJK SC.
# With a DPI other than 96, the copy is taken from PREFIX-<DPI>dpi: a copy of
# PREFIX with the screen's LogPixels set, which is much faster than a new
# wineboot. COPY, a new folder beside PREFIX, gets its own registry and so
# its own wineserver: no two runs share one.
set -euo pipefail
base=$1 dpi=$2 copy=$3
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

# The system files are hard links to the prepared prefix's; the registry,
# which Wine rewrites, is copied. No wineserver runs in a prepared prefix
# once it is ready, so its parts stay still while they are copied.
copy_prefix() { # from, to
    mkdir -p "$2"
    cp -al "$1/drive_c" "$1/dosdevices" "$1/.update-timestamp" "$2/"
    cp "$1"/*.reg "$2/"
}

copy_with_dpi() {
    rm -rf "$WINEPREFIX"
    copy_prefix "$base" "$WINEPREFIX"
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
copy_prefix "$WINEPREFIX" "$copy"
