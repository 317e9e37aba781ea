#!/usr/bin/env bash
# Drives the real program on an X server as a person would: keys and clicks
# through xdotool, Chinese text pasted as it is without an input method, texts
# read back through the clipboard. Run it under scripts/isolated.sh:
#   session.sh PROGRAM ARTIFACT_DIR STRACE_LOG
# The program runs under strace, its file and socket calls going to
# STRACE_LOG; screenshots stay in ARTIFACT_DIR.
set -Eeuo pipefail
program=$1 artifacts=$2 trace=$3
mkdir -p "$artifacts"
rm -f "$trace" "$artifacts/session-home" # nothing of an earlier run
export LC_ALL=C.UTF-8
trap 'echo "FAILED: line $LINENO: $BASH_COMMAND exited with $?"' ERR

# A home of its own, so that whatever the program writes can be told apart.
session_home=$(mktemp -d)
export HOME=$session_home XDG_CONFIG_HOME=$session_home/config XDG_CACHE_HOME=$session_home/cache
export XDG_DATA_HOME=$session_home/data XDG_RUNTIME_DIR=$session_home/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
echo "$session_home" >"$artifacts/session-home"

window=
strace -f -q -o "$trace" -e trace=%file,bind,listen "$program" &
strace=$!
# Ending the program ends strace, which would only detach if signalled.
trap 'trap - ERR; kill $(xdotool getwindowpid "$window" 2>/dev/null) 2>/dev/null || kill $strace 2>/dev/null
    wait $strace || true; rm -rf "$session_home"' EXIT

passed=0 failed=0
check() { # description, expected text or pattern, what came
    if [[ $3 == $2 ]]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        printf 'FAILED: %s\n  expected: %s\n  got:      %q\n' "$1" "$2" "$3"
    fi
}

# The window, waited for as long as the program runs.
shown() { window=$(xdotool search --onlyvisible --name '^Tavelin$' | head -1) && [ -n "$window" ]; }
until shown; do kill -0 $strace 2>/dev/null || { echo "FAILED: the program ended without a window" && exit 1; }; sleep 0.1; done
xdotool windowfocus --sync "$window"

click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }
key() { xdotool key --delay 30 "$@"; }
# The program answers in its own time: what it shows is read once it is
# there, waiting up to five seconds.
until_true() {
    for _ in $(seq 50); do
        "$@" && return
        sleep 0.1
    done
    return 1
}
# Texts go in and out through xclip, which owns a selection until the
# program takes it over: a selection is read once its xclip has ended.
declare -A owner
offer() { # selection, text; returns once xclip owns the selection
    printf '%s' "$2" | xclip -quiet -i -selection "$1" >/dev/null 2>&1 &
    owner[$1]=$!
    holds() { [ "$(xclip -o -selection "$1" 2>/dev/null)" == "$2" ]; }
    until_true holds "$1" "$2"
}
taken_over() { [[ $(ps -o stat= -p "${owner[$1]:-0}" 2>/dev/null) != [^Z]* ]]; }
read_selection() { # selection, then the keys or clicks that fill it
    local selection=$1
    shift
    # A text being pasted stays offered until the paste is done, as the
    # program handles keys in order.
    taken_over "$selection" && offer "$selection" $'\x01'
    # Keys that reach the X server while a list is still open go to the list.
    for _ in 1 2 3; do
        "$@"
        ! until_true taken_over "$selection" || break
    done
    xclip -o -selection "$selection" 2>/dev/null || true
}
copy() { read_selection clipboard key ctrl+a ctrl+c; }
# Replaces the focused field's text with a paste.
paste() { offer clipboard "$1" && key ctrl+a ctrl+v; }
choose_from_list() { key alt+Down $(printf 'Down %.0s' $(seq 2 "$1")) Return; } # the Nth entry
# The title and text of the message box, which Enter then closes.
read_and_close_message() {
    local box
    other_window() { box=$(xdotool search --onlyvisible --name '^Tavelin$' | grep -vx "$window" | head -1); }
    until_true other_window
    xdotool windowfocus --sync "$box"
    # selects the message
    echo "$(xdotool getwindowname "$box")|$(read_selection primary \
        xdotool mousemove --window "$box" 40 17 click --repeat 3 --delay 60 1)"
    key Return
    xdotool windowfocus --sync "$window"
}

click 168 308 # 生成排行榜
check "the message box's title|its message" 'Tavelin|?*' "$(read_and_close_message)"

click 236 33 # the title; then Tab to Combo1 and through the places
paste 本周运势
key Tab Tab Tab Tab
places=()
for pick in 水瓶座 2 白羊座 4 双子座 6 狮子座 8 天秤座 10 射手座 12; do # pasted, or the Nth entry
    if [[ $pick == [0-9]* ]]; then choose_from_list "$pick"; else paste "$pick"; fi
    places+=("$(copy)")
    key Tab
done
xdotool type -- "abc"
check "the places as chosen" "水瓶座 双鱼座 白羊座 金牛座 双子座 巨蟹座 狮子座 处女座 天秤座 天蝎座 射手座 摩羯座" "${places[*]}"
click 168 308
click 252 400
# The composer's wording is its own tests' business; here every entry must
# reach the output in its order, and the custom text its end.
check "title, places and custom text in the output" "$(printf '*%s' 本周运势 "${places[@]}")*abc" "$(copy)"
import -window root "$artifacts/e2e-ranking.png"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] || exit 1
