#!/usr/bin/env bash
# Builds the Debian package as the README tells a packager to, in a build
# tree of its own, and checks what it holds, what it asks for, how the
# program finds its libraries and what lintian says of it:
#   check-deb.sh SOURCE_DIR PACKAGE_TREE VERSION
set -euo pipefail
source=$1 tree=$2 version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

{
    (cd "$source" && cmake --preset release -B "$tree" -DTAVELIN_BUILD_TESTS=OFF -DTAVELIN_RELEASE_CHECKS=OFF \
        -DTAVELIN_PACKAGE_CONTACT="Test Packager <packager@example.org>") &&
        cmake --build "$tree" && cpack --config "$tree/CPackConfig.cmake" -B "$work"
} >"$work/build.log" 2>&1 || { cat "$work/build.log"; echo "FAILED: building the package"; exit 1; }
deb=$work/tavelin_${version}_amd64.deb
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
expect "recommends a Chinese font, Qt's texts, fcitx5 and Wayland" test "$(dpkg-deb --field "$deb" Recommends)" = \
    "fonts-noto-cjk | fonts-wqy-microhei, qt6-translations-l10n, fcitx5-frontend-qt6, qt6-wayland"

# Libraries come from the system's paths only: no RUNPATH, whose empty
# entries would also mean the current folder.
dpkg-deb --extract "$deb" "$work/root"
for program in "$work/root/usr/bin/tavelin" "$tree/app/tavelin"; do
    search_path=$(readelf --dynamic "$program" | grep -E '\((RPATH|RUNPATH)\)' || true)
    expect "no library search path in ${program#"$work/root"}, got: $search_path" test -z "$search_path"
done

lintian --allow-root --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || true
expect "lintian reports nothing" test ! -s "$work/lintian.log"
cat "$work/lintian.log"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
