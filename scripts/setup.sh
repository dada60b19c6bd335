#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Installs the Debian packages that building, testing (Ansible for the collection's tests), fuzzing and the demo
# need.
# Idempotent: packages already present are left alone, and apt is not touched when nothing is missing.
set -euo pipefail

packages=(
  g++ cmake ninja-build ccache pkg-config mold
  libgtest-dev libgmock-dev libbenchmark-dev zlib1g-dev
  qt6-base-dev qt6-qpa-plugins libqt6svg6 libxkbcommon-dev libgl-dev
  clang-14 clang-format-14 libclang-rt-14-dev
  iproute2 procps stress-ng
  xvfb xauth xdotool imagemagick openbox x11-utils fonts-dejavu-core
  dpkg-dev desktop-file-utils appstream
  lintian shellcheck
  ansible-core
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update
  $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
