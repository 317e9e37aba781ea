#!/usr/bin/env bash
# Takes one surface's pictures and compares them with its references, pixel
# for pixel; the picture tests run it.
#   scripts/pictures.sh SURFACE REFERENCES OUTPUT COMMAND [ARGUMENTS...]
# COMMAND saves one PNG or BMP per state into $TAVELIN_PICTURES, which is
# OUTPUT, emptied first, and beside them
#  - versions.list, what drew them: a line such as "Chromium 156.0.8078.129";
#    the versions of FreeType and fonts-noto-cjk are added here;
#  - controls.list, where the controls are in each picture, a line each:
#    "PICTURE LEFT TOP WIDTH HEIGHT CONTROL" in the picture's pixels, the
#    control table's controls first, then any list or box open over them.
# A picture that differs stays in OUTPUT with NAME-diff.png beside it; the
# failure names the controls that the differing pixels fall on, in the new
# picture or in its reference, the box around them, the controls that moved,
# and both versions where they differ. With TAVELIN_ACCEPT_PICTURES=1 the new
# pictures and their two lists replace the references
# (scripts/update-pictures.sh SURFACE does that).
# No pixel may differ: Qt's raster engine, Wine's GDI and both browsers draw
# the same state the same way each time, so no tolerance is needed.
set -uo pipefail
surface=$1 references=$2 output=$3
shift 3

# Every surface draws its Chinese text in Noto Sans CJK SC, through
# fontconfig or Wine's font replacements: without it every picture differs.
font=$(fc-match -f '%{family}' 'Noto Sans CJK SC')
if [[ $font != *"Noto Sans CJK SC"* ]]; then
    echo "FAIL the pictures need the font Noto Sans CJK SC, found \"$font\": install the package fonts-noto-cjk"
    exit 1
fi

rm -rf "$output"
mkdir -p "$output"
TAVELIN_PICTURES=$output "$@" || { echo "FAIL taking the pictures of $surface: $*"; exit 1; }
for bitmap in "$output"/*.bmp; do
    [ -e "$bitmap" ] && convert "$bitmap" "${bitmap%.bmp}.png" && rm "$bitmap"
done
shopt -s nullglob
taken=("$output"/*.png)
[ ${#taken[@]} -gt 0 ] || { echo "FAIL no picture of $surface was taken"; exit 1; }
for package in libfreetype6 fonts-noto-cjk; do
    echo "${package/libfreetype6/FreeType} $(dpkg-query -W -f='${Version}' "$package" 2>/dev/null || echo unknown)"
done >>"$output/versions.list"

if [ "${TAVELIN_ACCEPT_PICTURES:-}" = 1 ]; then
    mkdir -p "$references"
    rm -f "$references"/*.png
    for picture in "${taken[@]}"; do # optimised, with no time stamp to differ
        optipng -quiet -o2 -strip all -out "$references/$(basename "$picture")" "$picture"
    done
    cp "$output/versions.list" "$output/controls.list" "$references/"
    echo "accepted ${#taken[@]} pictures of $surface into $references"
    exit 0
fi

# The controls of picture $1 in the list $2, as "R|N LEFT TOP WIDTH HEIGHT NAME"
# with the mark $3: R for the reference's, N for the new picture's.
controls() { awk -v picture="$1" -v mark="$3" '$1 == picture {$1 = mark; print}' "$2" 2>/dev/null; }

# Where picture $1 differs from its reference: the box around the differing
# pixels, the controls they fall on, the controls that moved.
explain() {
    local name=$1
    {
        controls "$name" "$references/controls.list" R
        controls "$name" "$output/controls.list" N
        [ ! -e "$output/$name-mask.png" ] || convert "$output/$name-mask.png" -transparent black sparse-color:- | tr ' ' '\n'
    } | awk -f "$(dirname "$0")/pictures-explain.awk"
    rm -f "$output/$name-mask.png"
}

failed=0
fail() {
    echo "FAIL $*"
    failed=1
}
for reference in "$references"/*.png; do
    [ -e "$output/$(basename "$reference")" ] || fail "$(basename "$reference") of $surface was not taken"
done
for picture in "${taken[@]}"; do
    name=$(basename "$picture" .png)
    reference=$references/$name.png
    if [ ! -e "$reference" ]; then
        fail "$name of $surface has no reference picture"
        continue
    fi
    sizes=($(identify -format '%wx%h ' "$picture" "$reference"))
    if [ "${sizes[0]}" != "${sizes[1]}" ]; then
        fail "$name of $surface is ${sizes[0]}, its reference ${sizes[1]}: see $picture"
        explain "$name"
        continue
    fi
    differing=$(compare -metric AE "$picture" "$reference" "$output/$name-diff.png" 2>&1)
    if [[ ! $differing =~ ^[0-9.e+]+$ ]]; then # a count, possibly as 1.2e+06
        fail "$name of $surface could not be compared: $differing"
    elif awk -v n="$differing" 'BEGIN { exit n == 0 }'; then
        fail "$name of $surface: $differing pixels differ; see $picture and $output/$name-diff.png"
        compare -compose src -highlight-color white -lowlight-color black "$reference" "$picture" "$output/$name-mask.png"
        explain "$name"
    else
        rm "$output/$name-diff.png"
    fi
done
if [ "$failed" -ne 0 ]; then
    if ! cmp -s "$references/versions.list" "$output/versions.list"; then
        echo "The references were drawn with $(paste -sd, "$references/versions.list" 2>/dev/null | sed 's/,/, /g'),"
        echo "these pictures with $(paste -sd, "$output/versions.list" | sed 's/,/, /g')."
    fi
    echo "If the change is intended, accept it with: scripts/update-pictures.sh $surface"
    exit 1
fi
echo "ok   ${#taken[@]} pictures of $surface as their references"
