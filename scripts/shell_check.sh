#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Every shell script of the project through shellcheck, warnings and errors alike: the scripts, the benchmarks,
# CI, packaging and the bash completion.
set -euo pipefail
cd "$(dirname "$0")/.."

command -v shellcheck >/dev/null || { echo "shell check: shellcheck is missing (bash scripts/setup.sh installs it)" >&2; exit 1; }
mapfile -t scripts < <(git ls-files '*.sh' .ci/run packaging/completion/corvane)
shellcheck -S warning -s bash "${scripts[@]}"
echo "shellcheck: ${#scripts[@]} scripts, no warning"
