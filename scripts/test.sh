#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# The one test command: installs what is missing, checks the formatting, then configures, builds and tests
# every flavour: the debug suite, the install check and the Ansible collection's checks, the whole suite under
# ASan + UBSan, the Qt-free threaded parts under TSan, and the fuzz targets (corpus replay, then a short fuzzing
# run of each). Most of a test run's time is spent waiting on sockets and timers, so the suites run many tests
# at once, the other flavours build behind the dev suite at the lowest priority, and the tsan suite and the
# collection's check run beside the asan suite.
set -euo pipefail
cd "$(dirname "$0")/.."

# step TEXT: marks the start of a step with the seconds since the start and the processor time the machine has
# spent since then, both cores together (the README's breakdown of the test command comes from these lines).
busy_seconds() { awk -v hz="$(getconf CLK_TCK)" '/^cpu / {print int(($2 + $3 + $4 + $7 + $8 + $9) / hz)}' /proc/stat; }
busy_at_start=$(busy_seconds)
readonly busy_at_start
step() { echo "=== [$SECONDS s, processors busy $(($(busy_seconds) - busy_at_start)) s] $*"; }

step "packages to build"
bash scripts/setup.sh build

mkdir -p build
declare -A background=()
# Stops whatever still runs in the background when this script ends early; a package install is let finish,
# never cut short.
stop_background() {
  local name
  for name in "${!background[@]}"; do
    if [ "$name" = packages ]; then
      wait "${background[$name]}" || true
    else
      kill -- "-${background[$name]}" 2>/dev/null || true
    fi
  done
}
trap stop_background EXIT

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

# The packages that only later steps need install while the checks and the dev build run.
behind packages bash scripts/setup.sh more

step "format, shell and licence checks"
bash scripts/format.sh --check
bash scripts/shell_check.sh
bash scripts/licence_check.sh

step "dev build"
cmake --preset dev
cmake --build --preset dev

# The sanitizer and fuzz flavours build at the lowest priority while the dev suite and the install check run.
for preset in asan tsan fuzz; do
  cmake --preset "$preset" >/dev/null
done
behind builds nice -n 19 bash -c 'for preset; do cmake --build --preset "$preset" || exit; done' build asan tsan fuzz
step "waiting for the packages"
await packages
step "dev suite, with the asan, tsan and fuzz builds behind it"
ctest --preset dev
step "install check"
bash scripts/install_check.sh
step "waiting for the builds behind"
await builds

# The suites mostly wait, so the tsan suite and the Ansible collection's check run beside the asan suite; their
# summaries follow the asan suite's.
step "asan suite, with the tsan suite and the Ansible collection's check beside it"
behind tsan-tests ctest --preset tsan
behind ansible-check bash scripts/ansible_check.sh
ctest --preset asan
await tsan-tests
tail -n 3 build/tsan-tests.log
await ansible-check
tail -n 1 build/ansible-check.log

step "fuzz replay and fuzzing"
ctest --preset fuzz
bash scripts/fuzz.sh "${CORVANE_FUZZ_SECONDS:-30}"
step "done"
echo "All tests passed."
