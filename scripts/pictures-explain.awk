# Says where a picture differs from its reference, for scripts/pictures.sh.
# Reads the picture's controls as "R|N LEFT TOP WIDTH HEIGHT NAME", R where
# the reference has them and N where the new picture has, in the order of
# controls.list, then the differing pixels as "X,Y,COLOUR". Prints the box
# around those pixels, the controls they fall on in either picture (a pixel
# on several falls on the last listed, which lies over the others) and the
# controls whose rectangles differ between the two.

$1 == "R" || $1 == "N" {
    listed[$1]++
    k = $1 SUBSEP listed[$1]
    left[k] = $2 + 0; top[k] = $3 + 0; width[k] = $4 + 0; height[k] = $5 + 0
    name = $0
    for (field = 1; field <= 5; ++field)
        sub(/^[^ ]+ +/, "", name)
    names[k] = name
    rectangle[$1, name] = $4 "x" $5 "+" $2 "+" $3
    next
}

NF {
    split($0, xy, ",")
    x = xy[1] + 0; y = xy[2] + 0
    if (!pixels++) { minX = maxX = x; minY = maxY = y }
    if (x < minX) minX = x; if (x > maxX) maxX = x
    if (y < minY) minY = y; if (y > maxY) maxY = y
    inNew = fallsOn("N", x, y)
    inReference = fallsOn("R", x, y)
    if (!inNew && !inReference) outside = 1
}

function fallsOn(mark, x, y,    i, k) {
    for (i = listed[mark]; i >= 1; --i) {
        k = mark SUBSEP i
        if (x >= left[k] && x < left[k] + width[k] && y >= top[k] && y < top[k] + height[k]) {
            if (!(names[k] in touched)) ++touchedCount
            touched[names[k]] = 1
            return 1
        }
    }
    return 0
}

# Names in the order listed, the new picture's first; each once.
function inOrder(wanted,    mark, i, k, list, seen) {
    for (mark = 1; mark <= 2; ++mark)
        for (i = 1; i <= listed[substr("NR", mark, 1)]; ++i) {
            k = substr("NR", mark, 1) SUBSEP i
            if (names[k] in wanted && !(names[k] in seen)) {
                seen[names[k]] = 1
                list = list (list == "" ? "" : ", ") names[k]
            }
        }
    return list
}

END {
    if (pixels)
        printf "  the differing pixels lie within %dx%d+%d+%d (width x height + left + top)\n",
            maxX - minX + 1, maxY - minY + 1, minX, minY
    if (touchedCount)
        print "  on the controls: " inOrder(touched) (outside ? ", and outside them" : "")
    else if (pixels)
        print "  outside the controls"
    for (i = 1; i <= listed["N"]; ++i) {
        name = names["N", i]
        if (!(("R", name) in rectangle))
            print "  " name " is new, at " rectangle["N", name]
        else if (rectangle["R", name] != rectangle["N", name])
            print "  " name " is at " rectangle["N", name] ", in the reference at " rectangle["R", name]
    }
    for (i = 1; i <= listed["R"]; ++i)
        if (!(("N", names["R", i]) in rectangle))
            print "  " names["R", i] " is gone, from " rectangle["R", names["R", i]]
}
