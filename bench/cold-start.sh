#!/usr/bin/env bash
# Measures Quorvane's cold start against a bare Qt window: from just before the program is started
# until its first window (Quorvane's splash window) is viewable on an X display of its own (Xvfb).
# Builds a Release build in build/release-bench, then runs one warm-up pair that is discarded and
# N pairs of runs, Quorvane and the bare window in turn, and prints the median of each and their
# ratio, e.g.
#   quorvane median 123.4 ms, bare window median 110.2 ms, ratio 1.12
# followed by the fastest and slowest run of each.
#
# Usage: bench/cold-start.sh [--program PATH] [--pairs N] [--wm NAME|none]
#   --program PATH  the quorvane program to time (the Release build's by default); it finds its
#                   pictures in the resources folder beside it, as the build lays it out
#   --pairs N       the number of pairs measured, 30 by default
#   --wm NAME       the window manager to run on the display; by default the first of openbox,
#                   jwm, icewm, fluxbox and twm that is installed, else none. Under a reparenting
#                   window manager the mapping of the frame around the window is what is timed.
# For example, to compare a baseline build with the current one in one session:
#   bench/cold-start.sh --program /work/baseline/build/release/bin/quorvane
#   bench/cold-start.sh
# It is a measurement, not a test: nothing fails when the ratio is high.
set -euo pipefail
cd "$(dirname "$0")/.."

program=""
pairs=30
wm=auto
while (($# > 0)); do
  case "$1" in
    --program) program="$2"; shift 2 ;;
    --pairs) pairs="$2"; shift 2 ;;
    --wm) wm="$2"; shift 2 ;;
    *) echo "usage: $0 [--program PATH] [--pairs N] [--wm NAME|none]" >&2; exit 1 ;;
  esac
done
if ! [[ "$pairs" =~ ^[1-9][0-9]*$ ]]; then
  echo "cold-start: --pairs takes a positive whole number" >&2
  exit 1
fi

scripts/install-packages.sh test
build=build/release-bench
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUORVANE_BENCHMARKS=ON -DQUORVANE_TESTS=OFF \
      >/dev/null
cmake --build "$build" -j"$(nproc)" --target quorvane bare_window cold_start >/dev/null
program="$(realpath "${program:-$build/bin/quorvane}")"
bare="$(realpath "$build/bin/bare_window")"
waiter="$(realpath "$build/bin/cold_start")"
if [[ ! -x "$program" ]]; then
  echo "cold-start: $program is not a program" >&2
  exit 1
fi
if [[ ! -d "$(dirname "$program")/resources" ]]; then
  echo "cold-start: warning: no resources folder beside $program" >&2
fi

if [[ "$wm" == auto ]]; then
  wm=none
  for candidate in openbox jwm icewm fluxbox twm; do
    if command -v "$candidate" >/dev/null; then wm="$candidate"; break; fi
  done
fi

scratch="$(mktemp -d)"
xvfb_pid=""
wm_pid=""
cleanup() {
  if [[ -n "$wm_pid" ]]; then kill "$wm_pid" 2>/dev/null || true; fi
  if [[ -n "$xvfb_pid" ]]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  wait 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 200); do
  [[ -s "$scratch/display" ]] && break
  sleep 0.05
done
if [[ ! -s "$scratch/display" ]]; then
  echo "cold-start: Xvfb did not start:" >&2
  cat "$scratch/xvfb.log" >&2
  exit 1
fi
DISPLAY=":$(head -n1 "$scratch/display")"
export DISPLAY
# Both programs must really show a window on that display, whatever this shell had set.
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

if [[ "$wm" != none ]]; then
  "$wm" >"$scratch/wm.log" 2>&1 &
  wm_pid=$!
  # The warm-up pair also absorbs whatever the manager still does after this.
  sleep 1
fi

measure() {
  "$waiter" "$@" || {
    echo "cold-start: timing $* failed" >&2
    exit 1
  }
}

echo "cold-start: display $DISPLAY, window manager: $wm, $pairs pairs, program $program"
# The warm-up fills the file caches and the font cache; it shows which windows are detected.
measure --describe -- "$program" >/dev/null
measure --describe -- "$bare" >/dev/null
for _ in $(seq "$pairs"); do
  measure -- "$program" >>"$scratch/quorvane"
  measure -- "$bare" >>"$scratch/bare"
done

median() {
  sort -n "$1" | awk '{ v[NR] = $1 } END { printf "%.1f", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
range() {
  sort -n "$1" | awk 'NR == 1 { lo = $1 } { hi = $1 } END { printf "%.1f-%.1f", lo, hi }'
}
quorvane_median="$(median "$scratch/quorvane")"
bare_median="$(median "$scratch/bare")"
ratio="$(awk -v q="$quorvane_median" -v b="$bare_median" 'BEGIN { printf "%.2f", q / b }')"
echo "quorvane median $quorvane_median ms, bare window median $bare_median ms, ratio $ratio"
echo "quorvane range $(range "$scratch/quorvane") ms, bare window range $(range "$scratch/bare") ms"
