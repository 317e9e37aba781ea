#!/usr/bin/env bash
# Opens Tavelin under a virtual X server and saves a picture of its window.
#   scripts/screenshot.sh [output.png] [scale]     the Qt build, at QT_SCALE_FACTOR=scale
#   scripts/screenshot.sh --windows [output.png]   Tavelin.exe under Wine
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = --windows ]; then
    shift
    preset=windows
    program=build/windows/app/Tavelin.exe
    run=(scripts/wine-run.sh "$PWD/build/windows/wineprefix" "$program")
    default_output=docs/tavelin-windows.png
else
    preset=release
    program=build/release/app/tavelin
    run=(env QT_SCALE_FACTOR="${2:-1}" "$program")
    default_output=docs/tavelin.png
fi
output=$(realpath -m "${1:-$default_output}")
[ -e "$program" ] || { cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset"; }
mkdir -p "$(dirname "$output")"

xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    output=$1
    shift
    "$@" & program=$!
    id=
    for _ in $(seq 200); do
        id=$(xwininfo -name Tavelin 2>/dev/null | awk "/Window id:/ {print \$4}") && [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || { echo "no Tavelin window appeared" >&2; kill "$program"; exit 1; }
    sleep 1
    import -window "$id" "$output"
    kill "$program"
' _ "$output" "${run[@]}"
echo "saved $output"
