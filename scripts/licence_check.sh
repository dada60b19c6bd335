#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Every source, script and build file of the project names its licence in an SPDX line near its top (the first
# five lines, so shebangs, XML declarations and encodings come first). Data (test corpora, pictures, sample
# configurations), JSON (which holds no comments), documents and the package's copyright file (which states the
# licence itself) are left out.
set -euo pipefail
cd "$(dirname "$0")/.."

missing=()
checked=0
while IFS= read -r file; do
  case $file in
    fuzz/corpus/* | *.png | *.cfg | *.json | *.md | LICENSE | packaging/copyright | .gitignore) continue ;;
  esac
  checked=$((checked + 1))
  head -n 5 "$file" | grep -q 'SPDX-License-Identifier: Apache-2.0' || missing+=("$file")
done < <(git ls-files)

if ((${#missing[@]})); then
  echo "licence check: no 'SPDX-License-Identifier: Apache-2.0' line at the top of:" >&2
  printf '  %s\n' "${missing[@]}" >&2
  exit 1
fi
echo "licence check: $checked files, each with its SPDX line"
