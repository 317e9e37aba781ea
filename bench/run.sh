#!/usr/bin/env bash
# Builds and runs the benchmarks, prints the table and writes it to
# docs/performance.md, then measures the page (bench/web.py) and adds its
# section. Not part of the tests: figures depend on the machine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh bench
cmake --preset bench >/dev/null
cmake --build --preset bench
scripts/isolated.sh python3 bench/run.py

cmake --preset web >/dev/null
cmake --build --preset web
/usr/bin/python3 bench/web.py
