#!/usr/bin/env bash
# Checks that every include points down the layers (scripts/check-includes.sh), builds Quorvane
# with its tests and benchmarks, runs every test and checks that every benchmark
# reports cleanly (scripts/check-benchmarks.sh); then runs the whole suite again under
# AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer, and fuzzes the core
# (scripts/fuzz.sh; QUORVANE_FUZZ_SECONDS sets the seconds per fuzzer, 60 by default).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh test
scripts/check-includes.sh
jobs="$(nproc)"

cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVANE_BENCHMARKS=ON
cmake --build build/test -j"$jobs"
ctest --test-dir build/test --output-on-failure -j"$jobs"
scripts/check-benchmarks.sh build/test

# Set for the build as well: test discovery runs each test program once.
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" \
      -DQUORVANE_SANITIZE=ON
cmake --build build/asan -j"$jobs"
ctest --test-dir build/asan --output-on-failure -j"$jobs"
unset ASAN_OPTIONS UBSAN_OPTIONS

scripts/fuzz.sh
