#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Writes the Debian changelog of the package from NEWS.md, compressed as Debian keeps it: each
# "## VERSION (YYYY-MM-DD)" release with its "- " items, newest first. Fails when the newest release is not the
# version being built, so the two never drift apart.
# usage: packaging/news_to_changelog.sh NEWS.md PACKAGE VERSION "NAME <ADDRESS>" OUTPUT.gz
set -euo pipefail

news=$1 package=$2 version=$3 maintainer=$4 output=$5
newest=$(sed -n 's/^## \([^ ]*\) (.*$/\1/p' "$news" | head -n 1)
if [ "$newest" != "$version" ]; then
  echo "news_to_changelog: the newest release in $news is '$newest', the project's version is $version" >&2
  exit 1
fi

release() { # version date
  printf '%s (%s) unstable; urgency=medium\n\n' "$package" "$1"
}
footer() { # date
  printf '\n -- %s  %s\n\n' "$maintainer" "$(LC_ALL=C date -u -R -d "$1 12:00")"
}

changelog() {
  local date="" line
  while IFS= read -r line; do
    if [[ $line =~ ^##\ ([^ ]+)\ \(([0-9]{4}-[0-9]{2}-[0-9]{2})\)$ ]]; then
      [ -z "$date" ] || footer "$date"
      release "${BASH_REMATCH[1]}"
      date=${BASH_REMATCH[2]}
    elif [ -n "$date" ] && [[ $line == "- "* ]]; then
      printf '  * %s\n' "${line#- }"
    elif [ -n "$date" ] && [[ $line == "  "* ]]; then
      printf '    %s\n' "${line#  }"
    fi
  done <"$news"
  [ -n "$date" ] || { echo "news_to_changelog: no release in $news" >&2; exit 1; }
  footer "$date"
}

# Made whole before a byte is written, so a failure leaves no part of a changelog behind.
text=$(changelog)
printf '%s\n' "$text" | gzip -9 -n >"$output"
