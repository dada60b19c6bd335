#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# A fleet backup of many simulated stations: how long `corvane backup --all` takes beyond its one discovery
# scan, and `corvane backup HOST...` (no scan; each station is asked alone for its name and WAN MAC address).
# Runs in the private test network (root).
#
# usage: bench/fleet_backup.sh [BUILD_DIR [STATIONS [RUNS]]]   (defaults: build/release 200 3)
# Prints one line per run and exits non-zero when a run saved fewer files than there are stations.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/release}
stations=${2:-200}
runs=${3:-3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo orchid >"$work/password"

bash scripts/privnet.sh --sim "$build/src/sim/corvane-sim" \
  --sim-arg --stations --sim-arg "$stations" --sim-arg --state-dir --sim-arg "$work/state" --sim-arg --quiet \
  -- bash -euo pipefail -c '
    corvane=$1 stations=$2 runs=$3 work=$4 short=0
    now() { date +%s.%N; }
    # Station n (from 1) has the first station address plus n - 1: 10.77.16.1 and up.
    hosts=$(for n in $(seq "$stations"); do printf "10.77.%d.%d " $((16 + n / 256)) $((n % 256)); done)
    for run in $(seq "$runs"); do
      start=$(now)
      "$corvane" discover >/dev/null
      scanned=$(now)
      "$corvane" backup --all "$work/all-$run" --password-file "$work/password" >/dev/null || true
      all=$(now)
      # shellcheck disable=SC2086
      "$corvane" backup $hosts "$work/named-$run" --password-file "$work/password" >/dev/null || true
      named=$(now)
      files=$(ls "$work/all-$run" | wc -l) named_files=$(ls "$work/named-$run" | wc -l)
      awk -v r="$run" -v n="$stations" -v f="$files" -v g="$named_files" \
        -v s="$start" -v d="$scanned" -v a="$all" -v h="$named" "BEGIN {
          printf \"run %d: backup --all of %d stations: %d files in %.2f s, a scan alone %.2f s, so %.2f s beyond \" \
                 \"the scan; backup HOST...: %d files in %.2f s\\n\", r, n, f, a - d, d - s, (a - d) - (d - s), g, h - a }"
      [ "$files" -eq "$stations" ] && [ "$named_files" -eq "$stations" ] || short=1
    done
    exit $short
  ' bench "$build/src/cli/corvane" "$stations" "$runs" "$work"
