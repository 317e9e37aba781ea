#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the release build
# with the end-to-end session and the package checks, the same tests under
# the address and undefined-behaviour sanitizers, Tavelin.exe under Wine and
# the page in headless Chromium. Ends with the line "N passed, M failed".
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test || exit 1

mkdir -p build
passed=0
failed=0
for preset in release asan windows web; do
    echo "== $preset"
    log=build/$preset-ctest.log
    if cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset"; then
        ctest --preset "$preset" -j2 | tee "$log"
        status=${PIPESTATUS[0]}
        read -r failures total < <(sed -nE 's/.* tests passed, ([0-9]+) tests failed out of ([0-9]+)/\1 \2/p' "$log")
        passed=$((passed + ${total:-0} - ${failures:-0}))
        failed=$((failed + ${failures:-0}))
        # ctest failing with no failed test counted: no tests, no summary, a bad preset
        if [ "$status" -ne 0 ] && [ "${failures:-0}" -eq 0 ] || [ -z "${total:-}" ]; then
            echo "FAILED: ctest for $preset exited with $status"
            failed=$((failed + 1))
        fi
    else
        echo "FAILED: the $preset build"
        failed=$((failed + 1))
    fi
done

# Tests stay within a third of the code they test. npm's lock files are data
# that npm writes, not code, on either side.
code_lines() { cloc --quiet --csv --vcs=git --not-match-f='^package-lock\.json$|\.(png|ico|md)$' "$@" | awk -F, '$2 == "SUM" {print $5}'; }
tests=$(code_lines tests)
rest=$(code_lines --exclude-dir=tests,docs .)
echo "cloc: $tests code lines in tests/, $rest in the rest: $(awk -v t="$tests" -v r="$rest" 'BEGIN {printf "%.2f", t / r}') x"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
