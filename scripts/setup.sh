#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Installs the Debian packages that building, testing (Ansible for the collection's tests), fuzzing and the demo
# need:
#   scripts/setup.sh [build|more]
# `build`: what the checks, the builds and the suites need; `more`: what the install check, the Ansible check,
# the screenshots, the demo and the stress check add; both without an argument (the test command installs the
# second group while the first build runs).
# Idempotent: packages already present are left alone, and apt is not touched when nothing is missing.
set -euo pipefail

build_packages=(
  g++ cmake ninja-build ccache pkg-config mold
  libgtest-dev libgmock-dev libbenchmark-dev zlib1g-dev
  qt6-base-dev qt6-qpa-plugins libqt6svg6 libxkbcommon-dev libgl-dev fonts-dejavu-core
  clang-14 clang-format-14 libclang-rt-14-dev
  iproute2 procps shellcheck
)
more_packages=(
  stress-ng
  xvfb xauth xdotool imagemagick openbox x11-utils
  dpkg-dev desktop-file-utils appstream
  lintian
  ansible-core
)

case "${1:-all}" in
  build) packages=("${build_packages[@]}") ;;
  more) packages=("${more_packages[@]}") ;;
  all) packages=("${build_packages[@]}" "${more_packages[@]}") ;;
  *) echo "usage: scripts/setup.sh [build|more]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  # The package lists are fetched once: a second group installed right after the first does not fetch them again.
  if ! find /var/lib/apt/lists -maxdepth 1 -name '*_Packages*' -mmin -60 2>/dev/null | grep -q .; then
    $sudo apt-get update
  fi
  $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
