#!/usr/bin/env bash
# Runs every benchmark briefly with the CSV and the JSON reporter and fails if one exits non-zero,
# writes JSON that does not parse or CSV whose rows differ in their number of columns. The
# reporters abort, or misalign columns, when benchmarks do not all set the same counters.
# Usage: scripts/check-benchmarks.sh [build folder]   (build/test by default)
set -euo pipefail
cd "$(dirname "$0")/.."
bin="${1:-build/test}/bin"
# Google Benchmark 1.7 takes the minimum time as a plain number of seconds, without a unit.
options=(--benchmark_repetitions=3 --benchmark_report_aggregates_only=true
         --benchmark_min_time=0.01)
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

fail() {
  echo "check-benchmarks: $*" >&2
  exit 1
}

# Each bench/<name>.cpp is the benchmark program <name>.
for source in bench/*_bench.cpp; do
  benchmark="$(basename "$source" .cpp)"
  for format in csv json; do
    echo "check-benchmarks: $benchmark, $format"
    "$bin/$benchmark" --benchmark_format="$format" "${options[@]}" >"$out/$benchmark.$format" ||
      fail "$benchmark --benchmark_format=$format exited with status $?"
  done
  python3 -m json.tool "$out/$benchmark.json" >/dev/null || fail "$benchmark: JSON does not parse"
  python3 - "$out/$benchmark.csv" <<'EOF' || fail "$benchmark: CSV rows differ in their columns"
import csv, sys
with open(sys.argv[1], newline="") as file:
    columns = sorted({len(row) for row in csv.reader(file)})
if len(columns) != 1:
    sys.exit(f"rows of {columns} columns")
EOF
done
