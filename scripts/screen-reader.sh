#!/usr/bin/env bash
# Runs the Orca screen reader on Tavelin and writes down what it says, step
# by step, as a blind user would hear it. Too slow for the test command.
#
#   scripts/screen-reader.sh --window [transcript] [program]
#   scripts/screen-reader.sh --page [transcript] [tavelin.html]
#
# Everything runs on its own display (scripts/isolated.sh) under openbox,
# with its own D-Bus session, HOME and runtime folder. speech-dispatcher
# speaks through a generic module that appends each utterance to a file,
# after its own symbol processing, so the transcript holds the words a
# synthesizer would say.
# Chinese is pasted, since typing it with xdotool loses characters.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
mode=${1:---window}
case "$mode" in
--window) target=${3:-$root/build/dev/app/tavelin} ;;
--page) target=${3:-$root/build/web/ui/web/tavelin.html} ;;
*)
    echo "usage: $0 --window|--page [transcript] [program or page]" >&2
    exit 2
    ;;
esac
transcript=$(realpath -m "${2:-$root/build/screen-reader${mode#-}.txt}")
[ -e "$target" ] || {
    echo "$target is missing: build it first" >&2
    exit 1
}
target=$(realpath "$target")

"$root/scripts/install-deps.sh" screen-reader

[ -n "${TAVELIN_ISOLATED:-}" ] || exec "$root/scripts/isolated.sh" "$0" "$mode" "$transcript" "$target"

# The run's own HOME, which scripts/isolated.sh removes afterwards.
home=$HOME
orca_log=$home/orca-debug.txt
# Orca's own debug log, its SPEECH OUTPUT lines before speech-dispatcher's
# processing included, is kept beside the transcript.
trap 'kill $(jobs -p) 2>/dev/null; sleep 1; cp "$orca_log" "${transcript%.txt}-orca.log"
    cat "$home"/.cache/speech-dispatcher/log/*.log >"${transcript%.txt}-speechd.log" 2>/dev/null || true' EXIT
export XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share XDG_CACHE_HOME=$home/.cache
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher/modules" "$XDG_DATA_HOME/orca"
# A Chinese desktop: the locale is compiled into the private HOME, so that
# the system's locales stay as they are.
mkdir -p "$home/locale"
localedef -i zh_CN -f UTF-8 "$home/locale/zh_CN.UTF-8" 2>/dev/null || true
export LOCPATH=$home/locale LANG=zh_CN.UTF-8 LANGUAGE=zh_CN:zh LC_ALL=

spoken=$home/spoken.txt
: >"$spoken"

# The system's configuration (symbol tables included), with every language
# spoken by the module that writes the file.
{
    cat /etc/speech-dispatcher/speechd.conf
    echo 'AddModule "transcript" "sd_generic" "transcript.conf"'
    echo 'DefaultModule "transcript"'
    echo 'LanguageDefaultModule "zh" "transcript"'
    echo 'LanguageDefaultModule "en" "transcript"'
    echo 'AudioOutputMethod "libao"'
    echo 'LogLevel 4'
} >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
sed -i 's|^Include "clients/\*.conf"|Include "/etc/speech-dispatcher/clients/*.conf"|' \
    "$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
echo "default_driver=null" >"$HOME/.libao" # no sound card: the file is all
cat >"$XDG_CONFIG_HOME/speech-dispatcher/modules/transcript.conf" <<EOF
GenericExecuteSynth "printf '%s\\\\n' \\'\$DATA\\' >> $spoken"
GenericMaxChunkLength 100000
GenericLanguage "zh" "zh" "utf-8"
GenericLanguage "en" "en" "utf-8"
AddVoice "zh" "FEMALE1" "zh"
AddVoice "en" "MALE1" "en"
EOF

openbox >/dev/null 2>&1 &
sleep 1
orca --replace --debug-file="$orca_log" >/dev/null 2>&1 &
# Orca greets the user once it is running.
for _ in $(seq 60); do
    [ -s "$spoken" ] && break
    sleep 0.5
done
sleep 2

spoken_lines=0
: >"$transcript"

# Writes what was said since the last step under the step's heading.
record()
{
    sleep "${settle:-2.5}"
    {
        echo "## $1"
        tail -n +$((spoken_lines + 1)) "$spoken" | sed 's/^/  heard: /'
        echo
    } >>"$transcript"
    spoken_lines=$(wc -l <"$spoken")
}

# Keys as xdotool names them, several separated by spaces.
key()
{
    # shellcheck disable=SC2086
    xdotool key --clearmodifiers $2
    record "$1 ($2)"
}

# Replaces the focused field's text with a pasted one.
paste()
{
    printf '%s' "$2" | xclip -selection clipboard
    xdotool key --clearmodifiers ctrl+a ctrl+v
    record "$1 (pasted $2)"
}

if [ "$mode" = --window ]; then
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$target" >/dev/null 2>&1 &
else
    chromium --no-sandbox --test-type --disable-gpu --disable-quic --no-first-run --disable-background-networking \
        --disable-component-update --disable-sync --force-renderer-accessibility \
        --user-data-dir="$home/chromium" --window-size=900,700 "file://$target" >/dev/null 2>&1 &
fi
settle=6 record "the window opens, the focus in the title box"
# On the page Orca reads a button that takes the focus in browse mode, where
# it says nothing of the box that opens; a form is used in focus mode, and
# Orca+A pressed twice keeps it there.
[ "$mode" = --window ] || key "focus mode, to stay" "Insert+a Insert+a"

key "Tab to the output box" Tab
key "Tab to 生成排行榜" Tab
key "Shift+Tab back to the output box" shift+Tab
key "Shift+Tab back to the title box" shift+Tab
paste "the title" "本周运势"
key "Tab leaves the title" Tab
key "Shift+Tab reads the filled title" shift+Tab
for _ in 1 2 3 4; do
    xdotool key --clearmodifiers Tab
done
record "Tab four times to 第一名"
key "open the list" alt+Down
key "next entry" Down
key "previous entry" Up
key "choose it" Return
signs=(水瓶座 双鱼座 白羊座 金牛座 双子座 巨蟹座 狮子座 处女座 天秤座 天蝎座 射手座 摩羯座)
for rank in $(seq 2 12); do
    key "Tab to place $rank" Tab
    paste "place $rank" "${signs[rank - 1]}"
done
key "Tab to the custom text" Tab
# Back, since Tab on the page goes on to the browser's own controls.
for _ in $(seq 14); do
    xdotool key --clearmodifiers shift+Tab
done
record "Shift+Tab 14 times back to 生成排行榜"
key "生成排行榜 with every place filled, then no key more" Return
settle=4 record "(silence)"

key "Shift+Tab back to the output box" shift+Tab
key "Shift+Tab back to the title box" shift+Tab
key "the title emptied" "ctrl+a BackSpace"
key "Tab to the output box" Tab
key "Tab to 生成排行榜" Tab
key "生成排行榜 with an empty title" Return
key "close the message box" Return
