#!/usr/bin/env bash
# Builds Quorvane and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh run
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DQUORVANE_TESTS=OFF
cmake --build build/release -j"$(nproc)" --target quorvane
exec build/release/bin/quorvane
