#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# A fleet set of many simulated stations: how long `corvane set --all raCh=N --wait` takes beyond its one
# discovery scan (read, write, restart and read-back of every station; the simulator's restart time short),
# and a second run that finds nothing to change. Runs in the private test network (root).
#
# usage: bench/fleet_set.sh [BUILD_DIR [STATIONS [RUNS [RESTART_MS]]]]   (defaults: build/release 200 3 100)
# Prints one line per run and exits non-zero when a run did not change, or then leave unchanged, every station.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/release}
stations=${2:-200}
runs=${3:-3}
restart_ms=${4:-100}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo orchid >"$work/password"

bash scripts/privnet.sh --sim "$build/src/sim/corvane-sim" \
  --sim-arg --stations --sim-arg "$stations" --sim-arg --state-dir --sim-arg "$work/state" --sim-arg --quiet \
  --sim-arg --restart-ms --sim-arg "$restart_ms" \
  -- bash -euo pipefail -c '
    corvane=$1 stations=$2 runs=$3 work=$4 short=0
    now() { date +%s.%N; }
    for run in $(seq "$runs"); do
      channel=$((run % 2 ? 6 : 11))
      start=$(now)
      "$corvane" discover >/dev/null
      scanned=$(now)
      "$corvane" set --all raCh=$channel --wait --password-file "$work/password" >"$work/set-$run" || true
      set=$(now)
      "$corvane" set --all raCh=$channel --password-file "$work/password" >"$work/again-$run" || true
      again=$(now)
      changed=$(grep -c ": changed raCh" "$work/set-$run" || true)
      unchanged=$(grep -c ": unchanged$" "$work/again-$run" || true)
      awk -v r="$run" -v n="$stations" -v c="$changed" -v u="$unchanged" -v ch="$channel" \
        -v s="$start" -v d="$scanned" -v a="$set" -v g="$again" "BEGIN {
          printf \"run %d: set --all raCh=%d --wait of %d stations: %d changed in %.2f s, a scan alone %.2f s, so \" \
                 \"%.2f s beyond the scan; again: %d unchanged in %.2f s (%.2f s beyond the scan)\\n\", \
                 r, ch, n, c, a - d, d - s, (a - d) - (d - s), u, g - a, (g - a) - (d - s) }"
      [ "$changed" -eq "$stations" ] && [ "$unchanged" -eq "$stations" ] || short=1
    done
    exit $short
  ' bench "$build/src/cli/corvane" "$stations" "$runs" "$work"
