#!/usr/bin/env bash
# Drives the real program on an X server as a person would: keys and clicks
# through xdotool, texts read back through the clipboard. Run it under
# xvfb-run and dbus-run-session:
#   session.sh PROGRAM ARTIFACT_DIR STRACE_LOG
# The program runs under strace, its file and socket calls going to
# STRACE_LOG; screenshots stay in ARTIFACT_DIR.
set -euo pipefail
program=$1 artifacts=$2 trace=$3
mkdir -p "$artifacts"
export LC_ALL=C.UTF-8

# A home of its own, so that whatever the program writes can be told apart.
session_home=$(mktemp -d)
export HOME=$session_home XDG_CONFIG_HOME=$session_home/config XDG_CACHE_HOME=$session_home/cache
export XDG_DATA_HOME=$session_home/data XDG_RUNTIME_DIR=$session_home/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
echo "$session_home" >"$artifacts/session-home"

strace -f -qq -o "$trace" -e trace=%file,bind,listen "$program" &
strace=$!
# Ending the program ends strace, which would only detach if signalled.
trap 'kill $(xdotool getwindowpid "$window") || kill $strace; wait $strace || true; rm -rf "$session_home"' EXIT

passed=0 failed=0
check() { # description, expected, actual
    if [ "$2" == "$3" ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        printf 'FAILED: %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"
    fi
}

window=$(xdotool search --sync --onlyvisible --name '^Tavelin$' | head -1)
xdotool windowfocus --sync "$window"
sleep 0.5

click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.2; }
key() { xdotool key --delay 30 "$@"; sleep 0.1; }
copy() { key ctrl+a ctrl+c && xclip -o -selection clipboard 2>/dev/null || true; }
# Types into the focused field until it holds the text: on a busy machine
# xdotool can lose a character that is not on the keyboard map.
enter_text() {
    for _ in 1 2 3; do
        key ctrl+a
        xdotool type --delay 60 -- "$1"
        [ "$(copy)" == "$1" ] && break
    done
}
choose_from_list() { key alt+Down $(printf 'Down %.0s' $(seq 2 "$1")) Return; } # the Nth entry
# The title and text of the message box, which Enter then closes.
read_and_close_message() {
    local box
    box=$(xdotool search --sync --onlyvisible --name '^Tavelin$' | grep -vx "$window" | head -1)
    xdotool windowfocus --sync "$box"
    xdotool mousemove --window "$box" 40 17 click --repeat 3 --delay 60 1 # selects the message
    sleep 0.2
    echo "$(xdotool getwindowname "$box")|$(xclip -o -selection primary 2>/dev/null || true)"
    key Return
    xdotool windowfocus --sync "$window"
}

click 168 308 # 生成排行榜
check "message box" "Tavelin|请填写排行榜标题！" "$(read_and_close_message)"

click 236 33 # the title; then Tab to Combo1 and through the places
enter_text "本周运势"
key Tab Tab Tab Tab
for pick in 水瓶座 2 白羊座 4 双子座 6 狮子座 8 天秤座 10 射手座 12; do # typed, or the Nth entry
    if [[ $pick == [0-9]* ]]; then choose_from_list "$pick"; else enter_text "$pick"; fi
    key Tab
done
xdotool type -- "abc"
click 168 308
ranking="【本周运势】第一名：水瓶座  第二名：双鱼座  第三名：白羊座  第四名：金牛座  第五名：双子座  第六名：巨蟹座  第七名：狮子座  第八名：处女座  第九名：天秤座  第十名：天蝎座  第十一名：射手座  第十二名：摩羯座。"
click 252 400
check "ranking with custom text" "${ranking}abc" "$(copy)"
import -window root "$artifacts/e2e-ranking.png"

after_reset() { # what, x, y, expected text; into an empty box a Z is typed first
    click "$2" "$3"
    [ "$4" != Z ] || xdotool type -- Z
    check "$1 after reset" "$4" "$(copy)"
}
click 336 308 # 重置
after_reset title 236 33 Z
after_reset output 252 400 Z
after_reset "custom text" 264 260 abc
after_reset "rank 1" 124 82 -请选择-
import -window root "$artifacts/e2e-reset.png"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
