#!/usr/bin/env bash
# Installs the Debian packages that a task needs and skips those already
# installed, so running it again does nothing.
#   scripts/install-deps.sh run    what building and running the program needs
#   scripts/install-deps.sh test   that, plus everything the tests use
#   scripts/install-deps.sh bench  that, plus what the benchmarks use
#   scripts/install-deps.sh screen-reader  what scripts/screen-reader.sh uses
set -euo pipefail

run_packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-translations-l10n
    fonts-noto-cjk
)
test_packages=(
    googletest libgtest-dev qt6-base-private-dev
    xvfb xauth x11-utils imagemagick optipng
    g++-mingw-w64-x86-64-posix wine wine64
    dpkg-dev desktop-file-utils appstream
    xdotool xclip strace devscripts dbus-x11 dbus-bin
    lintian cloc
    emscripten nodejs chromium chromium-driver python3-selenium firefox-esr
)
bench_packages=(
    libbenchmark-dev xvfb xauth python3 valgrind
    emscripten nodejs chromium chromium-driver python3-selenium
)
# npm installs the page's Closure and its test tools; some builds of nodejs
# carry it and conflict with Debian's package.
if ! command -v npm >/dev/null; then
    test_packages+=(npm)
    bench_packages+=(npm)
fi
# A screen reader session: Orca speaking through speech-dispatcher, whose
# generic module writes what it says to a file, under a window manager.
screen_reader_packages=(
    orca speech-dispatcher at-spi2-core python3-pyatspi openbox locales
    xvfb xauth xdotool xclip dbus-x11 dbus-bin chromium
)

case "${1:-run}" in
run) wanted=("${run_packages[@]}") ;;
test) wanted=("${run_packages[@]}" "${test_packages[@]}") ;;
bench) wanted=("${run_packages[@]}" "${bench_packages[@]}") ;;
screen-reader) wanted=("${run_packages[@]}" "${screen_reader_packages[@]}") ;;
*)
    echo "usage: $0 [run|test|bench|screen-reader]" >&2
    exit 2
    ;;
esac

missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Installing: ${missing[*]}"
# Another install may hold dpkg's lock: wait for it rather than fail.
wait_for_lock=(-o DPkg::Lock::Timeout=900)
"${as_root[@]}" apt-get "${wait_for_lock[@]}" update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get "${wait_for_lock[@]}" install -y -qq --no-install-recommends "${missing[@]}"
