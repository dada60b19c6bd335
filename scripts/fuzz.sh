#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Fuzzes every libFuzzer target of the fuzz build for SECONDS each (default 30), as many targets at once as there
# are processors, each starting from a temporary copy of its seed corpus, so the committed corpus never grows.
# Prints executions per second per target and fails on any finding; the crashing input is kept under
# fuzz/findings/<target>/.
#   scripts/fuzz.sh [SECONDS]        build directory: $CORVANE_FUZZ_BUILD or build/fuzz
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-30}"
build="${CORVANE_FUZZ_BUILD:-build/fuzz}"
targets=(config_file set_property element_stream network_password hex_decode mac_address)

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

# One target per processor at a time: each still fuzzes for SECONDS on a core of its own.
jobs="${CORVANE_FUZZ_JOBS:-$(nproc)}"

# Fuzzes one target; its line of the table, or its finding, goes to $work/<target>.result.
fuzz_one() {
  local name="$1" binary="$build/fuzz/fuzz_$1" corpus="$work/$1" findings="fuzz/findings/$1"
  local log="$work/$name.log"
  mkdir -p "$corpus" "$findings"
  cp fuzz/corpus/"$name"/* "$corpus"/
  if "$binary" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$findings/" \
      -close_fd_mask=1 "$corpus" >"$log" 2>&1; then
    rmdir "$findings" 2>/dev/null || true
    execs=$(awk '/stat::average_exec_per_sec/ {print $2}' "$log")
    runs=$(awk '/stat::number_of_executed_units/ {print $2}' "$log")
    printf '%-18s %12s %12s\n' "$name" "${execs:-?}" "${runs:-?}" >"$work/$name.result"
  else
    { echo "FINDING in $name (input kept in $findings/):"; tail -n 40 "$log"; } >"$work/$name.result"
  fi
}

for name in "${targets[@]}"; do
  if [ ! -x "$build/fuzz/fuzz_$name" ]; then
    echo "missing $build/fuzz/fuzz_$name: run 'cmake --workflow --preset fuzz' first" >&2
    exit 1
  fi
done

for name in "${targets[@]}"; do
  while (($(jobs -rp | wc -l) >= jobs)); do
    wait -n || true
  done
  fuzz_one "$name" &
done
wait

failed=0
printf '%-18s %12s %12s\n' target execs/s runs
for name in "${targets[@]}"; do
  if [ -f "$work/$name.result" ] && ! grep -q '^FINDING' "$work/$name.result"; then
    cat "$work/$name.result"
  else
    cat "$work/$name.result" >&2 2>/dev/null || echo "no result for $name" >&2
    failed=1
  fi
done
rmdir fuzz/findings 2>/dev/null || true
exit "$failed"
