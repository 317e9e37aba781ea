#!/usr/bin/env bash
# Runs the page's session, pictures included, in other versions of Chromium
# and Firefox ESR than the installed ones, as a stand-in for the next
# upgrade: by default the oldest that Debian's archive still has beside them.
# They are downloaded with apt-get and unpacked into build/old-browsers, not
# installed. Takes a minute or two; not part of the test command.
#   scripts/old-browsers.sh [CHROMIUM_VERSION [FIREFOX_VERSION]]
set -euo pipefail
cd "$(dirname "$0")/.."
oldest() { apt-cache madison "$1" | awk -F' [|] ' '{print $2}' | sort -uV | head -1; }
chromium=${1:-$(oldest chromium)}
firefox=${2:-$(oldest firefox-esr)}
unpacked=$PWD/build/old-browsers

# Unpacks the packages, each given as NAME=VERSION, into one folder.
unpack() {
    local folder=$unpacked/$1 package
    shift
    [ -d "$folder" ] && return
    mkdir -p "$unpacked/debs"
    (cd "$unpacked/debs" && apt-get download "$@")
    for package in "$@"; do
        version=${package#*=}
        dpkg -x "$unpacked/debs/${package%%=*}_${version#*:}_amd64.deb" "$folder.part"
    done
    mv "$folder.part" "$folder"
}
unpack "chromium-$chromium" "chromium=$chromium" "chromium-common=$chromium"
unpack "firefox-esr-$firefox" "firefox-esr=$firefox"

cmake --preset web >/dev/null
cmake --build --preset web
TAVELIN_CHROMIUM=$unpacked/chromium-$chromium/usr/lib/chromium/chromium \
    TAVELIN_FIREFOX=$unpacked/firefox-esr-$firefox/usr/lib/firefox-esr/firefox-esr \
    ctest --preset web -R web_session --output-on-failure
