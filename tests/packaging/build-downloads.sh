#!/usr/bin/env bash
# Builds the downloads of the last commit as scripts/release.sh builds them,
# in a fresh clone at FOLDER/tavelin, for tests/packaging to check and
# compare; their SHA256SUMS end up in FOLDER/tavelin/dist:
#   build-downloads.sh SOURCE_DIR FOLDER first|second
# The second build runs after the first, so from files of later
# modification times, at a longer path, in another time zone, locale, home
# and umask, and on its locale's missing: a Chinese one where the system has
# it, and the C locale, after warnings, where it has not.
set -euo pipefail
source=$1 folder=$2 which=$3
case "$which" in
first) build=(env TZ=UTC LC_ALL=C.UTF-8) ;;
second) build=(env TZ=Pacific/Kiritimati LC_ALL= LANG=zh_CN.UTF-8 LANGUAGE=zh_CN sh -c 'umask 077 && exec "$0" "$@"') ;;
*)
    echo "usage: $0 SOURCE_DIR FOLDER first|second" >&2
    exit 2
    ;;
esac

rm -rf "$folder"
mkdir -p "$folder/tmp" "$folder/home"
git clone --quiet "$source" "$folder/tavelin"
"${build[@]}" env TMPDIR="$folder/tmp" HOME="$folder/home" "$folder/tavelin/scripts/release.sh" --untested \
    >"$folder/release.log" 2>&1 || { cat "$folder/release.log"; echo "FAILED: release.sh in $folder"; exit 1; }
cat "$folder/tavelin/dist/SHA256SUMS"
