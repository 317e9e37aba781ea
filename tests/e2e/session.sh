#!/usr/bin/env bash
# Drives the real program on an X server as a person would: keys and clicks
# through xdotool, the output read back through the clipboard. Run it under
# xvfb-run:
#   session.sh PROGRAM ARTIFACT_DIR [--trace STRACE_LOG]
# Leaves a screenshot in ARTIFACT_DIR; with --trace the program runs under
# strace and its file and socket calls go to STRACE_LOG.
set -euo pipefail
program=$1
artifacts=$2
trace=${4:-}
mkdir -p "$artifacts"
export LC_ALL=C.UTF-8

# A home and runtime folder of its own, so that whatever the program writes
# can be told apart.
session_home=$(mktemp -d)
export HOME=$session_home XDG_CONFIG_HOME=$session_home/config XDG_CACHE_HOME=$session_home/cache
export XDG_DATA_HOME=$session_home/data XDG_RUNTIME_DIR=$session_home/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
echo "$session_home" >"$artifacts/session-home"

passed=0
failed=0
check() { # description, expected, actual
    if [ "$2" == "$3" ]; then
        passed=$((passed + 1))
        echo "ok: $1"
    else
        failed=$((failed + 1))
        printf 'FAILED: %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"
    fi
}

launch=("$program")
[ -n "$trace" ] && launch=(strace -f -qq -o "$trace"
    -e trace=open,openat,creat,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat,truncate,link,symlink,bind,listen
    "$program")
"${launch[@]}" &
launcher=$!
stop() {
    local status=$?
    [ -z "${program_pid:-}" ] || kill "$program_pid" 2>/dev/null || true
    kill "$launcher" 2>/dev/null || true
    wait "$launcher" 2>/dev/null || true
    rm -rf "$session_home"
    exit "$status"
}
trap stop EXIT

window=$(xdotool search --sync --onlyvisible --name '^Tavelin$' | head -1)
program_pid=$(xdotool getwindowpid "$window")
xdotool windowfocus --sync "$window"
sleep 0.5

# Centres of the controls, in the window's logical pixels.
text1=(236 33)
text2=(252 400)
text3=(264 260)
bt1=(168 308)
bt2=(336 308)

click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.2; }
key() { xdotool key --delay 30 "$@"; sleep 0.1; }
type_text() { xdotool type --delay 60 -- "$1"; sleep 0.1; }
# Types into the focused field until it holds exactly the text, as a person
# would check: on a busy machine xdotool can lose a character that is not on
# the keyboard map.
enter_text() {
    for _ in 1 2 3; do
        key ctrl+a
        type_text "$1"
        key ctrl+a ctrl+c
        [ "$(xclip -o -selection clipboard 2>/dev/null || true)" == "$1" ] && break
    done
    key End
}
choose_from_list() { key alt+Down $(printf 'Down %.0s' $(seq 2 "$1")) Return; } # the Nth entry
step_to() { key $(printf 'Down %.0s' $(seq 1 "$1")); }                        # Down from no entry

message_box() {
    for _ in $(seq 50); do
        box=$(xdotool search --onlyvisible --name '^Tavelin$' | grep -vx "$window" | head -1 || true)
        [ -n "$box" ] && { echo "$box"; return; }
        sleep 0.1
    done
}

# Selects the message with a triple click (X puts it in the primary
# selection), then closes the box with its button (Enter).
read_and_close_message() {
    local box message=
    box=$(message_box)
    [ -n "$box" ] || { echo "<no message box>"; return; }
    xdotool windowfocus --sync "$box"
    for y in 17 12 22 27 32; do
        xdotool mousemove --window "$box" 40 "$y" click --repeat 3 --delay 60 1
        sleep 0.2
        message=$(xclip -o -selection primary 2>/dev/null || true)
        [ -n "$message" ] && break
    done
    echo "$(xdotool getwindowname "$box")|$message"
    key Return
    for _ in $(seq 50); do
        [ "$(xdotool search --onlyvisible --name '^Tavelin$' | wc -l)" -eq 1 ] && break
        sleep 0.1
    done
    xdotool windowfocus --sync "$window"
}

copy_from() { # x y: the whole text of a box, through the clipboard
    click "$1" "$2"
    key ctrl+a ctrl+c
    xclip -o -selection clipboard 2>/dev/null || true
}

geometry=$(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
check "client area" "501x478" "$geometry"

# An empty title is the first problem.
click "${bt1[@]}"
check "empty title" "Tavelin|请填写排行榜标题！" "$(read_and_close_message)"
check "message box closed" 1 "$(xdotool search --onlyvisible --name '^Tavelin$' | wc -l)"

# A full sheet, walked with Tab: title, output, two buttons, twelve places,
# custom text, and round again to the title.
click "${text1[@]}"
enter_text "本周运势"
key Tab Tab Tab Tab # Combo1
enter_text "水瓶座"
key Tab && choose_from_list 2 # Combo2, from the open list
key Tab && step_to 3          # Combo3, with the arrow key
key Tab && enter_text "金牛座"
key Tab && choose_from_list 5
key Tab && enter_text "巨蟹座"
key Tab && step_to 7
key Tab && enter_text "处女座"
key Tab && choose_from_list 9
key Tab && enter_text "天蝎座"
key Tab && enter_text "射手座"
key Tab && choose_from_list 12
key Tab # Text3
type_text "abc"
key Tab # back in Text1
enter_text "本周运势榜"
key shift+Tab # Text3 again, backwards
type_text "!"
click "${bt1[@]}"

ranking="【本周运势榜】第一名：水瓶座  第二名：双鱼座  第三名：白羊座  第四名：金牛座  第五名：双子座  第六名：巨蟹座  第七名：狮子座  第八名：处女座  第九名：天秤座  第十名：天蝎座  第十一名：射手座  第十二名：摩羯座。"
check "ranking with custom text" "${ranking}abc!" "$(copy_from "${text2[@]}")"
import -window root "$artifacts/e2e-ranking.png"

# A failed check leaves the output as it was.
click 425 202                                # Combo12
enter_text "-请选择-"
click "${bt1[@]}"
check "rank 12 not chosen" "Tavelin|请选择排名第十二的星座！" "$(read_and_close_message)"
check "output untouched after a failed check" "${ranking}abc!" "$(copy_from "${text2[@]}")"

# Reset empties the title, the output and the places, and keeps the custom text.
click "${bt2[@]}"
click "${bt1[@]}"
check "title empty after reset" "Tavelin|请填写排行榜标题！" "$(read_and_close_message)"
click "${text1[@]}"
type_text "X"
click "${bt1[@]}"
check "places reset" "Tavelin|请选择排名第一的星座！" "$(read_and_close_message)"
click "${text2[@]}"
type_text "Z"
check "output empty after reset" "Z" "$(copy_from "${text2[@]}")"
check "custom text kept" "abc!" "$(copy_from "${text3[@]}")"

import -window root "$artifacts/e2e-final.png"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
