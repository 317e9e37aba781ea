#!/usr/bin/env bash
# Opens the release build under a virtual X server and saves a picture of
# its window: scripts/screenshot.sh [output.png] [QT_SCALE_FACTOR]
set -euo pipefail
cd "$(dirname "$0")/.."

output=$(realpath -m "${1:-docs/tavelin.png}")
scale=${2:-1}
program=build/release/app/tavelin
[ -x "$program" ] || { cmake --preset release >/dev/null && cmake --build --preset release; }
mkdir -p "$(dirname "$output")"

QT_SCALE_FACTOR=$scale xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    "$1" & program=$!
    for _ in $(seq 100); do
        id=$(xwininfo -name Tavelin 2>/dev/null | awk "/Window id:/ {print \$4}") && [ -n "$id" ] && break
        sleep 0.1
    done
    sleep 1
    import -window "$id" "$2"
    kill "$program"
' _ "$program" "$output"
echo "saved $output"
