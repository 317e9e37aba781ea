#!/usr/bin/env bash
# Builds the Debian package from a build tree and checks what it holds and
# what it asks for:  check-deb.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/tavelin_1.00_*.deb)
passes=0
failures=0
expect() { # description, then a command that must succeed
    local what=$1
    shift
    if "$@"; then echo "ok: $what"; passes=$((passes + 1)); else echo "FAILED: $what"; failures=$((failures + 1)); fi
}

files=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for path in ./usr/bin/tavelin \
    ./usr/share/applications/org.tavelin.Tavelin.desktop \
    ./usr/share/metainfo/org.tavelin.Tavelin.metainfo.xml \
    ./usr/share/icons/hicolor/48x48/apps/org.tavelin.Tavelin.png \
    ./usr/share/icons/hicolor/256x256/apps/org.tavelin.Tavelin.png; do
    expect "holds $path" grep -qxF "$path" <<<"$files"
done
expect "installs nothing outside /usr" bash -c '! grep -v "^\./usr" <<<"$1" | grep -q .' _ "$files"

field() { dpkg-deb --field "$deb" "$1"; }
expect "package name" test "$(field Package)" = tavelin
expect "version 1.00" test "$(field Version)" = 1.00
expect "depends on Qt widgets (from shlibdeps)" grep -q 'libqt6widgets6' <<<"$(field Depends)"
expect "depends on the platform plugins" grep -q "qt6-qpa-plugins" <<<"$(field Depends)"
expect "depends on the C++ runtime (from shlibdeps)" grep -q 'libstdc++6' <<<"$(field Depends)"
expect "recommends a Chinese font" grep -q 'fonts-noto-cjk | fonts-wqy-microhei' <<<"$(field Recommends)"
expect "recommends Qt's translations" grep -q 'qt6-translations-l10n' <<<"$(field Recommends)"
expect "recommends the fcitx5 frontend" grep -q 'fcitx5-frontend-qt6' <<<"$(field Recommends)"

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
