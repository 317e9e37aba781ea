#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: in the hardened
# release build (with the end-to-end session on an X server), under the
# address and undefined-behaviour sanitizers, for the Windows executable,
# cross-built and run under Wine, and a bounded fuzzing session on the core.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
for preset in release asan windows fuzz; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
