#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs them all at once, each from a copy of its seed
# corpus for QUORVANE_FUZZ_SECONDS seconds (60 by default). Fails on any finding; the input that
# found it is kept under build/fuzz/run/<target>/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${QUORVANE_FUZZ_SECONDS:-60}"
jobs="$(nproc)"
targets=(analysis_run text_functions layout_description)

cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DQUORVANE_FUZZERS=ON
cmake --build build/fuzz -j"$jobs"

root="$PWD/build/fuzz"
for target in "${targets[@]}"; do
  work="$root/run/$target"
  rm -rf "$work"
  mkdir -p "$work/corpus" "$work/findings"
  # The fuzzer adds what it finds to its corpus: it works on a copy, never on the seeds.
  cp fuzz/corpus/"$target"/* "$work/corpus/"
  (
    cd "$work"
    status=0
    "$root/bin/${target}_fuzzer" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=30 \
        -print_final_stats=1 -artifact_prefix=findings/ corpus >log 2>&1 || status=$?
    echo "$status" >status
  ) &
done
wait

failed=0
for target in "${targets[@]}"; do
  work="$root/run/$target"
  status="$(cat "$work/status")"
  runs="$(grep -Eo 'Done [0-9]+ runs in [0-9]+ second' "$work/log" | tail -1 || true)"
  if [[ "$status" == 0 ]]; then
    echo "fuzz ${target}: ${runs:-no run count}(s), no finding"
  else
    failed=1
    echo "fuzz ${target}: FINDING (exit status $status); log: $work/log" >&2
    grep -Ev '^(#[0-9]|INFO:|[[:space:]]+NEW_FUNC)' "$work/log" | head -n 80 >&2
    ls -l "$work/findings" >&2
  fi
done
exit "$failed"
