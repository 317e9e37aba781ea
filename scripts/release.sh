#!/usr/bin/env bash
# Builds the downloads of the last commit into dist/: the Debian package,
# Tavelin.exe, tavelin.html, the page as an installable app for a web host
# (tavelin-web/) and their SHA256SUMS. It works in a fresh clone,
# runs the test command there and, only if every test passed, builds the
# downloads with the tested presets less their tests. The same commit gives
# the same files, bit for bit, wherever and whenever it is built.
#   scripts/release.sh              the downloads, tested
#   scripts/release.sh --untested   the same builds without the tests, only
#                                   to compare two builds; never to publish
# SOURCE_DATE_EPOCH, the time in the package, defaults to the commit's
# time; TAVELIN_PACKAGE_CONTACT is the package's maintainer.
set -euo pipefail
cd "$(dirname "$0")/.."
case "${1:-}" in
"") tested=true ;;
--untested) tested=false ;;
*)
    echo "usage: $0 [--untested]" >&2
    exit 2
    ;;
esac

# Files that the build writes keep their modes whatever the user's umask:
# the package's archive headers take them.
umask 022
# The builds need no time given: only the package's files take this one.
epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
contact=${TAVELIN_PACKAGE_CONTACT:-The Tavelin developers <tavelin@example.org>}
scripts/install-deps.sh test

dist=$PWD/dist
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
git clone --quiet . "$work/tavelin"
cd "$work/tavelin"
if $tested && ! scripts/test.sh; then
    echo "release.sh: the tests failed; nothing built" >&2
    exit 1
fi

# The tested presets again, less their tests.
cmake --preset download-linux -DTAVELIN_PACKAGE_CONTACT="$contact" >/dev/null
cmake --preset download-windows >/dev/null
cmake --preset download-web >/dev/null
for preset in download-linux download-windows download-web; do
    cmake --build --preset $preset >/dev/null
done

rm -rf "$dist"
mkdir -p "$dist"
SOURCE_DATE_EPOCH=$epoch cpack --config build/download-linux/CPackConfig.cmake -B "$work/package" >/dev/null
cp "$work"/package/tavelin_*_amd64.deb build/download-windows/app/Tavelin.exe build/download-web/ui/web/tavelin.html "$dist"
cp -r build/download-web/ui/web/tavelin-web "$dist"
cd "$dist"
sha256sum -- *.deb *.exe *.html $(find tavelin-web -type f | LC_ALL=C sort) >SHA256SUMS
cat SHA256SUMS
