#!/usr/bin/env bash
# scripts/pictures.sh on pictures drawn here, of three controls side by side
# and a list open over the middle one, a dot below them or in the list: a picture that differs names the
# controls its differing pixels fall on, the box around them, what moved,
# and both versions when they differ; one that matches passes.
#   check-explained.sh PICTURES_SH FOLDER
set -uo pipefail
pictures=$1 folder=$2
rm -rf "$folder"
mkdir -p "$folder/references"
passed=0 failed=0
expect() { # description, then a command that must succeed
    local what=$1
    shift
    if "$@"; then passed=$((passed + 1)); else echo "FAILED: $what"; failed=$((failed + 1)); fi
}

# Takes the picture "form": Middle's frame at its left, the list over Middle
# with a dot in it or not, painted by the given version.
cat >"$folder/take.sh" <<'TAKE'
#!/bin/sh
middle=$1 dot=$2 version=$3
convert -size 30x20 xc:white +antialias -fill none -stroke black -draw "rectangle $middle,1 $((middle + 5)),4" \
    -draw "rectangle 11,6 18,11" -fill black -draw "point 14,$dot" "$TAVELIN_PICTURES/form.png"
printf 'form 0 0 10 20 Left\nform %d 0 8 10 Middle\nform 20 0 10 20 Right\nform 10 6 10 8 Middle list\n' \
    "$middle" >"$TAVELIN_PICTURES/controls.list"
echo "Painter $version" >"$TAVELIN_PICTURES/versions.list"
TAKE
chmod +x "$folder/take.sh"
take() { "$pictures" test "$folder/references" "$folder/taken" "$folder/take.sh" "$@"; }
TAVELIN_ACCEPT_PICTURES=1 take 11 19 1 >/dev/null

said=$(take 11 19 1)
expect "the same picture passes, got: $said" test $? -eq 0
said=$(take 12 19 1)
expect "a moved control fails" test $? -ne 0
expect "its pixels are named after it alone, got: $said" grep -qx '  on the controls: Middle' <<<"$said"
expect "within their box, got: $said" grep -qF 'within 7x4+11+1 ' <<<"$said"
expect "it moved, got: $said" grep -qx '  Middle is at 8x10+12+0, in the reference at 8x10+11+0' <<<"$said"
expect "no versions named when they are the same, got: $said" test "$(grep -c Painter <<<"$said")" -eq 0
said=$(take 11 8 2)
expect "a dot moved into the list over Middle, from below all, is named after the list, got: $said" \
    grep -qx '  on the controls: Middle list, and outside them' <<<"$said"
expect "both versions are named, got: $said" grep -qE 'drawn with Painter 1,.*\n?.*with Painter 2' <<<"$(tr '\n' ' ' <<<"$said")"
expect "and how to accept the change, got: $said" grep -qF 'scripts/update-pictures.sh test' <<<"$said"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
