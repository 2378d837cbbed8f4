#!/usr/bin/env bash
# Builds Quorvane with its tests and benchmarks and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh test
jobs="$(nproc)"

cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVANE_BENCHMARKS=ON
cmake --build build/test -j"$jobs"
ctest --test-dir build/test --output-on-failure -j"$jobs"
