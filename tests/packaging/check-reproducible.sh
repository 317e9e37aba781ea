#!/usr/bin/env bash
# Compares the SHA256SUMS of the downloads built twice by build-downloads.sh
# and names the files that differ; diffoscope, when installed, shows how.
#   check-reproducible.sh FIRST_DIST SECOND_DIST
set -euo pipefail
first=$1 second=$2
cat "$first/SHA256SUMS"
# Files in either list whose sums differ, or that only one list names.
differing=$(awk 'NR == FNR {sum[$2] = $1; next} {if (sum[$2] != $1) print $2; delete sum[$2]} END {for (file in sum) print file}' \
    "$first/SHA256SUMS" "$second/SHA256SUMS")
[ -z "$differing" ] && exit 0
for file in $differing; do
    echo "FAILED: $file differs between the two builds"
    if command -v diffoscope >/dev/null; then diffoscope "$first/$file" "$second/$file" | head -n 100; fi
done
exit 1
