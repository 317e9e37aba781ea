#!/usr/bin/env bash
# Builds the downloads of the last commit twice with scripts/release.sh and
# compares their SHA256SUMS. The second build runs later, so from files of
# later modification times, at a longer path, in another time zone, locale,
# home and umask. Names the files that differ; diffoscope, when installed,
# shows how.
#   check-reproducible.sh SOURCE_DIR
set -euo pipefail
source=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

release() { # folder, then the environment to build in
    local folder=$1
    shift
    mkdir -p "$folder/tmp" "$folder/home"
    git clone --quiet "$source" "$folder/tavelin"
    env TMPDIR="$folder/tmp" HOME="$folder/home" "$@" "$folder/tavelin/scripts/release.sh" --untested \
        >"$folder/release.log" 2>&1 || { cat "$folder/release.log"; echo "FAILED: release.sh in $folder"; exit 1; }
}
release "$work/a"
release "$work/second-build-at-a-longer-path" TZ=Pacific/Kiritimati LANG=zh_CN.UTF-8 LC_ALL=C.UTF-8 \
    sh -c 'umask 077 && exec "$0" "$@"'

first=$work/a/tavelin/dist second=$work/second-build-at-a-longer-path/tavelin/dist
cat "$first/SHA256SUMS"
differing=$(awk 'NR == FNR {sum[$2] = $1; next} sum[$2] != $1 {print $2}' "$first/SHA256SUMS" "$second/SHA256SUMS")
[ -z "$differing" ] && exit 0
for file in $differing; do
    echo "FAILED: $file differs between the two builds"
    if command -v diffoscope >/dev/null; then diffoscope "$first/$file" "$second/$file" | head -n 100; fi
done
exit 1
