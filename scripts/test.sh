#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the release build
# with the end-to-end session and the package checks, the same tests under
# the address and undefined-behaviour sanitizers, Tavelin.exe under Wine and
# the page in headless Chromium and Firefox. Ends with the line
# "N passed, M failed".
#
# Two lines of presets run side by side, one for each of two cores: the
# release build, whose package checks build the downloads twice, and the
# page, Windows and sanitizer builds one after the other, whose tests wait
# on browsers and Wine more than they compute; so four tests of a preset
# run at once. Each preset's output is shown once it is done.
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test || exit 1
mkdir -p build

# Builds and tests one preset into build/<preset>.log, and its counts of
# passed and failed tests into build/<preset>.counts.
test_preset() {
    local preset=$1 log=build/$1.log started=$SECONDS status=build failures total times
    if cmake --preset "$preset" >/dev/null 2>"$log" && cmake --build --preset "$preset" >>"$log" 2>&1; then
        times="built in $((SECONDS - started)) s"
        ctest --preset "$preset" -j4 >>"$log" 2>&1
        status=$?
        times+=", built and tested in $((SECONDS - started)) s"
    fi
    read -r failures total < <(sed -nE 's/.* tests passed, ([0-9]+) tests failed out of ([0-9]+)/\1 \2/p' "$log")
    # ctest failing with no failed test counted: no tests, no summary, a bad
    # preset; or the build failing
    if [ "$status" = build ]; then
        echo "FAILED: the $preset build" >>"$log"
        failures=1 total=1
    elif [ "$status" -ne 0 ] && [ "${failures:-0}" -eq 0 ] || [ -z "${total:-}" ]; then
        echo "FAILED: ctest for $preset exited with $status" >>"$log"
        failures=$((${failures:-0} + 1)) total=$((${total:-0} + 1))
    fi
    echo "$((total - failures)) $failures" >"build/$preset.counts"
    {
        flock 9
        echo "== $preset${times:+ ($times)}"
        cat "$log"
    } 9>build/.output-lock
}

rm -f build/*.counts
test_preset release &
release=$!
for preset in web windows asan; do test_preset "$preset"; done
wait "$release"

passed=0
failed=0
for preset in release asan windows web; do
    read -r p f <"build/$preset.counts" || { p=0 f=1; }
    passed=$((passed + p))
    failed=$((failed + f))
done

# Tests stay within a third of the code they test. npm's lock files are
# data, not code, on either side. cloc is perl, which would warn of a locale
# the system lacks.
code_lines() {
    LC_ALL=C.UTF-8 cloc --quiet --csv --vcs=git --not-match-f='^package-lock\.json$|\.(png|ico|md)$' "$@" |
        awk -F, '$2 == "SUM" {print $5}'
}
tests=$(code_lines tests)
rest=$(code_lines --exclude-dir=tests,docs .)
echo "cloc: $tests code lines in tests/, $rest in the rest: $(awk -v t="$tests" -v r="$rest" 'BEGIN {printf "%.2f", t / r}') x"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
