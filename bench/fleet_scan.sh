#!/usr/bin/env bash
# One discovery scan of a large simulated fleet: does `corvane discover` list every station, and how long does
# the scan take? Runs in the private test network (root).
#
# usage: bench/fleet_scan.sh [BUILD_DIR [STATIONS [RUNS]]]   (defaults: build/release 500 3)
# Prints one line per run and exits non-zero when any run lost a station.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/release}
stations=${2:-500}
runs=${3:-3}
state=$(mktemp -d)
trap 'rm -rf "$state"' EXIT

bash scripts/privnet.sh --sim "$build/src/sim/corvane-sim" \
  --sim-arg --stations --sim-arg "$stations" --sim-arg --state-dir --sim-arg "$state" --sim-arg --quiet \
  -- bash -euo pipefail -c '
    corvane=$1 stations=$2 runs=$3 lost=0
    for run in $(seq "$runs"); do
      start=$(date +%s.%N)
      listed=$("$corvane" discover --json | grep -c "\"address\"" || true)
      end=$(date +%s.%N)
      awk -v r="$run" -v l="$listed" -v n="$stations" -v s="$start" -v e="$end" \
        "BEGIN { printf \"scan %d: %d of %d stations listed in %.2f s\\n\", r, l, n, e - s }"
      [ "$listed" -eq "$stations" ] || lost=1
    done
    exit $lost
  ' bench "$build/src/cli/corvane" "$stations" "$runs"
