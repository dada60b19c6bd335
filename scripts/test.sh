#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# The one test command: installs what is missing, checks the formatting, then configures, builds and tests
# every flavour: the debug suite, the install check and the Ansible collection's checks, the whole suite under
# ASan + UBSan, the Qt-free threaded parts under TSan, and the fuzz targets (corpus replay, then a short fuzzing
# run of each). Most of a test run's time is spent waiting on sockets and timers, so the suites run many tests
# at once, the other flavours build behind the dev suite at the lowest priority, and the tsan suite runs beside
# the asan suite.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
bash scripts/format.sh --check
bash scripts/shell_check.sh
bash scripts/licence_check.sh

mkdir -p build
declare -A background=()
# Stops whatever still runs in the background when this script ends early.
trap 'for pid in "${background[@]}"; do kill -- "-$pid" 2>/dev/null || true; done' EXIT

# behind NAME COMMAND...: runs the command in the background, in a process group of its own, its output in
# build/NAME.log.
behind() {
  local name=$1
  shift
  setsid "$@" >"build/$name.log" 2>&1 &
  background[$name]=$!
}

# await NAME: waits for what runs behind under that name; shows its output when it failed.
await() {
  local name=$1 pid=${background[$1]}
  unset "background[$name]"
  if ! wait "$pid"; then
    cat "build/$name.log" >&2
    echo "$name failed (its output: build/$name.log)" >&2
    exit 1
  fi
}

cmake --preset dev
cmake --build --preset dev

# The sanitizer and fuzz flavours build at the lowest priority while the dev suite and the checks run.
for preset in asan tsan fuzz; do
  cmake --preset "$preset" >/dev/null
done
behind builds nice -n 19 bash -c 'for preset; do cmake --build --preset "$preset" || exit; done' build asan tsan fuzz
ctest --preset dev
bash scripts/install_check.sh
bash scripts/ansible_check.sh
await builds

# The tsan suite runs beside the asan suite; its summary follows the asan suite's.
behind tsan-tests ctest --preset tsan
ctest --preset asan
await tsan-tests
tail -n 3 build/tsan-tests.log

ctest --preset fuzz
bash scripts/fuzz.sh "${CORVANE_FUZZ_SECONDS:-30}"
echo "All tests passed."
