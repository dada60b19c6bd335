#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# The one test command: installs what is missing, checks the formatting, then configures, builds and tests
# every flavour: the debug suite, the install check and the Ansible collection's checks, the whole suite under ASan + UBSan, the Qt-free threaded
# parts under TSan, and the fuzz targets (corpus replay, then a short fuzzing run of each) when clang is present.
# Most of a test run's time is spent waiting on sockets and timers, so while one flavour's tests run, the next
# flavours build behind them at the lowest priority; a background build's output is in build/<preset>.log and
# is shown when it fails.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
bash scripts/format.sh --check
bash scripts/shell_check.sh
bash scripts/licence_check.sh

fuzz=false
if command -v clang++-14 >/dev/null; then
  fuzz=true
fi

build_pid=""
build_log=""
# Stops a background build that is still running when this script ends early.
trap 'if [ -n "$build_pid" ]; then kill -- "-$build_pid" 2>/dev/null || true; fi' EXIT

# build_behind PRESET...: configures the presets, then builds them one after the other in the background.
build_behind() {
  local preset
  for preset in "$@"; do
    cmake --preset "$preset" >/dev/null
  done
  build_log="build/$(
    IFS=-
    echo "$*"
  ).log"
  setsid nice -n 19 bash -c 'for preset; do cmake --build --preset "$preset" || exit; done' build "$@" \
    >"$build_log" 2>&1 &
  build_pid=$!
}

# Waits for the background build; its output when it failed.
finish_build() {
  if ! wait "$build_pid"; then
    build_pid=""
    cat "$build_log" >&2
    echo "the build of $build_log failed" >&2
    exit 1
  fi
  build_pid=""
}

cmake --preset dev
cmake --build --preset dev

build_behind asan
ctest --preset dev
bash scripts/install_check.sh
bash scripts/ansible_check.sh
finish_build

if $fuzz; then
  build_behind tsan fuzz
else
  build_behind tsan
fi
ctest --preset asan
finish_build

ctest --preset tsan
if $fuzz; then
  ctest --preset fuzz
  bash scripts/fuzz.sh "${CORVANE_FUZZ_SECONDS:-30}"
fi
echo "All tests passed."
