#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# One discovery scan of a large simulated fleet: does `corvane discover` list every station, and how long does
# the scan take? Runs in the private test network (root).
#
# usage: bench/fleet_scan.sh [BUILD_DIR [STATIONS [RUNS [PACING]]]]   (defaults: build/release 500 3 8:8)
#   PACING: the fleet's answers leave in bursts of N every MS ms (N:MS), or all at once ("unpaced").
#   10,000 stations answering within one second:  bench/fleet_scan.sh build/release 10000 3 10:1
#   1,000 answering in one burst:                 bench/fleet_scan.sh build/release 1000 3 unpaced
# A simulator holds two descriptors per station, so a large fleet is shared among several simulators.
# Prints one line per run and exits non-zero when any run lost a station.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/release}
stations=${2:-500}
runs=${3:-3}
pacing=${4:-8:8}
state=$(mktemp -d)
trap 'rm -rf "$state"' EXIT

bash scripts/privnet.sh -- bash -euo pipefail -c '
  sim=$1 corvane=$2 stations=$3 runs=$4 pacing=$5 state=$6
  per_sim=5000
  sims=$(( (stations + per_sim - 1) / per_sim ))
  if [ "$pacing" = unpaced ]; then
    pacing_args=(--unpaced)
  else
    # The whole fleet keeps the rate: each simulator sends its share of every burst.
    pacing_args=(--answer-bursts "$(( (${pacing%%:*} + sims - 1) / sims )):${pacing##*:}")
  fi
  IFS=. read -r a b c d <<<"$CORVANE_FIRST_STATION"
  first=$(( (a << 24) | (b << 16) | (c << 8) | d ))
  for ((start = 0; start < stations; start += per_sim)); do
    count=$(( stations - start < per_sim ? stations - start : per_sim ))
    n=$(( first + start ))
    address="$(( n >> 24 )).$(( (n >> 16) & 255 )).$(( (n >> 8) & 255 )).$(( n & 255 ))"
    mkdir -p "$state/$start"
    ip netns exec "$CORVANE_LAN_NS" "$sim" --stations "$count" --first-address "$address" \
      --state-dir "$state/$start" --ready-file "$state/ready-$start" --quiet "${pacing_args[@]}" &
  done
  for ((start = 0; start < stations; start += per_sim)); do
    for ((wait = 0; wait < 1200; ++wait)); do [ -s "$state/ready-$start" ] && break; sleep 0.1; done
    [ -s "$state/ready-$start" ] || { echo "a simulator did not become ready" >&2; exit 1; }
  done

  lost=0
  for run in $(seq "$runs"); do
    start=$(date +%s.%N)
    listed=$("$corvane" discover --json | grep -c "\"address\"" || true)
    end=$(date +%s.%N)
    awk -v r="$run" -v l="$listed" -v n="$stations" -v p="$pacing" -v s="$start" -v e="$end" \
      "BEGIN { printf \"scan %d (answers %s): %d of %d stations listed, %d lost, in %.2f s\\n\", r, p, l, n, n - l, e - s }"
    [ "$listed" -eq "$stations" ] || lost=1
  done
  exit $lost
' bench "$build/src/sim/corvane-sim" "$build/src/cli/corvane" "$stations" "$runs" "$pacing" "$state"
