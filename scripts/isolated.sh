#!/usr/bin/env bash
# Runs a command apart from every other run on the machine: on an X server
# of its own, whose display number the server picks and reports itself
# (Xvfb -displayfd), so that runs started together never meet on one
# display; with its own cookie, D-Bus session bus, HOME, XDG_RUNTIME_DIR and
# TMPDIR. Whatever the command starts ends with it, daemons included: each
# process started in here carries this run's mark in its environment, and
# any still running when the command is done is ended.
#   scripts/isolated.sh COMMAND [ARGUMENTS...]
# The screen is 1280 x 1024 at 24 bits.
# Inside, TAVELIN_ISOLATED names the run's folder; scripts that need such a
# session start one unless it is set.
set -euo pipefail

run=$(mktemp -d "${TMPDIR:-/tmp}/tavelin-isolated.XXXXXX")
export TAVELIN_ISOLATED=$run

# The processes still carrying this run's mark, the server included. grep
# runs without it and fails on the processes that end while it reads.
marked() {
    local file
    { env -u TAVELIN_ISOLATED grep -lsxzF "TAVELIN_ISOLATED=$run" /proc/[0-9]*/environ || true; } |
        while read -r file; do
            file=${file#/proc/}
            echo "${file%/environ}"
        done
}
end_everything() {
    local left
    set +e
    left=$(marked)
    if [ -n "$left" ]; then
        # shellcheck disable=SC2086
        kill $left 2>/dev/null || true
        for _ in $(seq 30); do
            left=$(marked)
            [ -z "$left" ] && break
            sleep 0.1
        done
        # shellcheck disable=SC2086
        [ -z "$left" ] || kill -KILL $left 2>/dev/null || true
    fi
    wait
    rm -rf "$run"
}
trap end_everything EXIT
trap 'exit 130' INT TERM

mkdir -m 700 "$run/home" "$run/tmp" "$run/runtime"
export HOME=$run/home TMPDIR=$run/tmp XDG_RUNTIME_DIR=$run/runtime

# The server accepts every cookie in its file, whatever display it names;
# the clients look the cookie up under the display the server chose.
cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
export XAUTHORITY=$run/xauthority
: >"$XAUTHORITY"
xauth -q add :0 . "$cookie"
mkfifo "$run/display"
Xvfb -displayfd 3 -auth "$XAUTHORITY" -nolisten tcp -screen 0 1280x1024x24 3>"$run/display" 2>"$run/xvfb.log" &

read -r number <"$run/display" || {
    cat "$run/xvfb.log" >&2
    echo "isolated.sh: the X server did not start" >&2
    exit 1
}
xauth -q add ":$number" . "$cookie"
export DISPLAY=:$number

status=0
dbus-run-session -- "$@" || status=$?
exit "$status"
