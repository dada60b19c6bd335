#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Runs the test suite RUNS times (default 3) while stress-ng keeps every core and the disk busy, then lists
# each test that failed in any run with how often. A test that fails only here depends on how fast the machine
# is. Not part of scripts/test.sh: it takes several times as long as the suite.
#
#   bash scripts/stress_check.sh [RUNS] [PRESET]     PRESET: dev (default) or asan
#
# Each run's output stays in build/<PRESET>/stress-check/run-N.log. Exit 0 when every run passed, 1 when a
# test failed, 2 for a bad command line or a missing stress-ng (bash scripts/setup.sh installs it).
set -euo pipefail
cd "$(dirname "$0")/.."

runs="${1:-3}"
preset="${2:-dev}"
if ! [[ "$runs" =~ ^[1-9][0-9]*$ ]] || ! [[ "$preset" =~ ^(dev|asan)$ ]]; then
  echo "usage: bash scripts/stress_check.sh [RUNS] [dev|asan]   (RUNS: a number above 0)" >&2
  exit 2
fi
if ! command -v stress-ng >/dev/null; then
  echo "stress-ng is missing: bash scripts/setup.sh installs it" >&2
  exit 2
fi

# Built before the load starts: it is the tests that are to run slowly, not the compiler.
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"

logs="build/$preset/stress-check"
rm -rf "$logs"
mkdir -p "$logs/scratch"

# Four CPU hogs on every core and two workers that keep flushing the disk, until this script ends.
stress-ng --cpu 4 --io 2 --timeout 0 --temp-path "$logs/scratch" >"$logs/stress-ng.log" 2>&1 &
stress=$!
stop_stress() {
  kill -INT "$stress" 2>/dev/null || true
  wait "$stress" 2>/dev/null || true
  rm -rf "$logs/scratch"
}
trap stop_stress EXIT

declare -A failures=()
for ((run = 1; run <= runs; ++run)); do
  log="$logs/run-$run.log"
  ctest --preset "$preset" >"$log" 2>&1 || true
  # ctest lists each failed test as "  12 - name (Failed)" after "The following tests FAILED:".
  failed=$(sed -n '/The following tests FAILED:/,$p' "$log" | sed -nE 's/^[[:space:]]+[0-9]+ - ([^ ]+) \(.*\)$/\1/p')
  summary=$(grep -E 'tests passed, [0-9]+ tests? failed out of' "$log" || echo "no summary: see $log")
  echo "run $run of $runs: $summary"
  for name in $failed; do
    failures[$name]=$((${failures[$name]:-0} + 1))
  done
done

if ((${#failures[@]} == 0)); then
  echo "Under stress-ng --cpu 4 --io 2, $runs run(s) of the $preset suite: no test failed."
  exit 0
fi
echo "Under stress-ng --cpu 4 --io 2, $runs run(s) of the $preset suite: ${#failures[@]} test(s) failed:"
for name in "${!failures[@]}"; do
  printf '  %s of %s runs  %s\n' "${failures[$name]}" "$runs" "$name"
done | sort -k5
exit 1
