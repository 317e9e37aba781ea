#!/usr/bin/env bash
# Installs what is missing, builds the release and opens Tavelin.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh run
# The program alone, in a tree of its own: the tests need packages that
# running it does not.
cmake --preset release -B build/app -DTAVELIN_BUILD_TESTS=OFF -DTAVELIN_RELEASE_CHECKS=OFF >/dev/null
cmake --build build/app --target tavelin
exec build/app/app/tavelin "$@"
