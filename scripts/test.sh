#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in the
# development build and once under the address and undefined-behaviour
# sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
for preset in dev asan; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
