#!/usr/bin/env bash
# Fuzzes every libFuzzer target of the fuzz build for SECONDS each (default 30), starting from a temporary copy
# of its seed corpus, so the committed corpus never grows. Prints executions per second per target and fails on
# the first finding; the crashing input is kept under fuzz/findings/<target>/.
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

failed=0
printf '%-18s %12s %12s\n' target execs/s runs
for name in "${targets[@]}"; do
  binary="$build/fuzz/fuzz_$name"
  if [ ! -x "$binary" ]; then
    echo "missing $binary: run 'cmake --workflow --preset fuzz' first" >&2
    exit 1
  fi
  corpus="$work/$name"
  findings="fuzz/findings/$name"
  mkdir -p "$corpus" "$findings"
  cp fuzz/corpus/"$name"/* "$corpus"/
  log="$work/$name.log"
  if "$binary" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$findings/" \
      -close_fd_mask=1 "$corpus" >"$log" 2>&1; then
    rmdir "$findings" 2>/dev/null || true
    execs=$(awk '/stat::average_exec_per_sec/ {print $2}' "$log")
    runs=$(awk '/stat::number_of_executed_units/ {print $2}' "$log")
    printf '%-18s %12s %12s\n' "$name" "${execs:-?}" "${runs:-?}"
  else
    echo "FINDING in $name (input kept in $findings/):" >&2
    tail -n 40 "$log" >&2
    failed=1
  fi
done
rmdir fuzz/findings 2>/dev/null || true
exit "$failed"
