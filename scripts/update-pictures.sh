#!/usr/bin/env bash
# Accepts an intended change of what users see: takes the reference pictures
# of the picture tests again, for every surface or the ones named.
#   scripts/update-pictures.sh [qt] [windows] [web]
# qt: the Qt window at 100 % and 200 % (release build); windows: Tavelin.exe
# under Wine at 96 and 144 dpi; web: the page in Chromium and Firefox (its
# session runs too). Look at the new pictures, then commit them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test

declare -A presets=([qt]=release [windows]=windows [web]=web)
declare -A tests=([qt]=pictures_qt [windows]=pictures_windows [web]=web_session)
surfaces=("$@")
[ ${#surfaces[@]} -gt 0 ] || surfaces=(qt windows web)
for surface in "${surfaces[@]}"; do
    preset=${presets[$surface]:-}
    [ -n "$preset" ] || { echo "unknown surface $surface: qt, windows or web" >&2; exit 2; }
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    # The page's tests need npm's packages, which a fixture installs.
    TAVELIN_ACCEPT_PICTURES=1 ctest --preset "$preset" -R "^${tests[$surface]}" --output-on-failure
done
git status --short -- '*/pictures/'
