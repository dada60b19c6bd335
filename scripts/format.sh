#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Formats every C++ file of the repository in its clang-format style; with --check, changes nothing and fails
# on the first file that is not formatted.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=(-i)
if [ "${1:-}" = "--check" ]; then
  mode=(--dry-run --Werror)
fi
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format-14 "${mode[@]}"
