#!/usr/bin/env bash
# The one test command: installs what is missing, checks the formatting, then configures, builds and tests
# every flavour: the debug suite, the whole suite under ASan + UBSan, the Qt-free threaded parts under TSan, and
# the fuzz targets (corpus replay, then a short fuzzing run of each) when clang is present. After the debug
# suite, the Ansible collection's checks (scripts/ansible_check.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
bash scripts/format.sh --check
bash scripts/shell_check.sh

cmake --workflow --preset dev
bash scripts/install_check.sh
bash scripts/ansible_check.sh
cmake --workflow --preset asan
cmake --workflow --preset tsan
if command -v clang++-14 >/dev/null; then
  cmake --workflow --preset fuzz
  bash scripts/fuzz.sh "${CORVANE_FUZZ_SECONDS:-30}"
fi
echo "All tests passed."
