#!/usr/bin/env bash
# Builds the Debian package from a build tree, as a packager would, and
# checks what it holds, what it asks for and what lintian says of it:
#   check-deb.sh BUILD_DIR VERSION
set -euo pipefail
build=$1 version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake -DTAVELIN_PACKAGE_CONTACT="Test Packager <packager@example.org>" "$build" >/dev/null
cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" || { cat "$work/cpack.log"; exit 1; }
deb=$work/tavelin_${version}_amd64.deb
passed=0 failed=0
expect() { # description, then a command that must succeed
    local what=$1
    shift
    if "$@"; then passed=$((passed + 1)); else echo "FAILED: $what"; failed=$((failed + 1)); fi
}

files=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for path in ./usr/bin/tavelin ./usr/share/metainfo/org.tavelin.Tavelin.metainfo.xml \
    ./usr/share/icons/hicolor/256x256/apps/org.tavelin.Tavelin.png ./usr/share/man/zh_CN/man1/tavelin.1.gz; do
    expect "holds $path" grep -qxF "$path" <<<"$files"
done
expect "recommends a Chinese font, Qt's texts, fcitx5 and Wayland" test "$(dpkg-deb --field "$deb" Recommends)" = \
    "fonts-noto-cjk | fonts-wqy-microhei, qt6-translations-l10n, fcitx5-frontend-qt6, qt6-wayland"
lintian --allow-root --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || true
expect "lintian reports nothing" test ! -s "$work/lintian.log"
cat "$work/lintian.log"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
