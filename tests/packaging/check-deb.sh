#!/usr/bin/env bash
# Checks the Debian package that scripts/release.sh made: what it holds,
# what it asks for, who maintains it, how the program finds its libraries,
# in the package and in a build tree, and what lintian says of it:
#   check-deb.sh PACKAGE BUILD_TREE_PROGRAM CONTACT
set -euo pipefail
# What the tools say is read in the C locale, which every system has: under
# another, dpkg and readelf speak its language, and under one the system
# lacks, perl's warning about it lands in lintian's log.
export LC_ALL=C.UTF-8 LANGUAGE=
deb=$1 built=$2 contact=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TMPDIR=$work # lintian leaves files in it
passed=0 failed=0
expect() { # description, then a command that must succeed
    local what=$1
    shift
    if "$@"; then passed=$((passed + 1)); else echo "FAILED: $what"; failed=$((failed + 1)); fi
}

files=$(dpkg-deb --contents "$deb" | awk '{print $6}')
icons=./usr/share/icons/hicolor
for path in ./usr/bin/tavelin ./usr/share/metainfo/org.tavelin.Tavelin.metainfo.xml \
    $icons/{16x16,22x22,24x24,32x32,48x48,256x256}/apps/org.tavelin.Tavelin.png \
    $icons/scalable/apps/org.tavelin.Tavelin.svg ./usr/share/man/zh_CN/man1/tavelin.1.gz; do
    expect "holds $path" grep -qxF "$path" <<<"$files"
done
expect "maintained by TAVELIN_PACKAGE_CONTACT" test "$(dpkg-deb --field "$deb" Maintainer)" = "$contact"
expect "recommends a Chinese font, Qt's texts, fcitx5 and Wayland" test "$(dpkg-deb --field "$deb" Recommends)" = \
    "fonts-noto-cjk | fonts-wqy-microhei, qt6-translations-l10n, fcitx5-frontend-qt6, qt6-wayland"

# Libraries come from the system's paths only: no RUNPATH, whose empty
# entries would also mean the current folder. CMake pads a build tree's.
dpkg-deb --extract "$deb" "$work/root"
for program in "$work/root/usr/bin/tavelin" "$built"; do
    search_path=$(readelf --dynamic "$program" | grep -E '\((RPATH|RUNPATH)\)' || true)
    expect "no library search path in ${program#"$work/root"}, got: $search_path" test -z "$search_path"
done

lintian --allow-root --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || true
expect "lintian reports nothing" test ! -s "$work/lintian.log"
cat "$work/lintian.log"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
