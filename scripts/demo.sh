#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# The demo: installs what is missing, builds the release preset's programs and starts five simulated base stations
# in the private test network. With a display it opens corvane-admin there: the chooser lists the stations, and
# Configure reads one with the factory password "orchid"; edit it, press Update, and the chooser counts the station
# down while it restarts and lists it again with the change; closing the chooser ends the demo. Without a display it
# shows them through the command-line tool instead: one discovery scan, then the configuration read from the first
# station. Needs root for the network namespaces (it asks sudo otherwise, keeping the display).
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "$(id -u)" -ne 0 ]; then
  if [ -n "${DISPLAY:-}" ] && [ -z "${XAUTHORITY:-}" ] && [ -f "$HOME/.Xauthority" ]; then
    export XAUTHORITY=$HOME/.Xauthority
  fi
  exec sudo --preserve-env=DISPLAY,WAYLAND_DISPLAY,XAUTHORITY,XDG_RUNTIME_DIR -- bash "$0" "$@"
fi

bash scripts/setup.sh
cmake --preset release
cmake --build --preset release --target corvane corvane-sim corvane-admin

bin=$PWD/build/release/src
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "== corvane-admin on five simulated base stations (password \"orchid\")"
  echo "   Configure one, change its name, press Update; after the countdown Configure it again to see the change."
  echo "   Close the chooser to end the demo."
  show=(admin "$bin/app/corvane-admin")
else
  echo "== No display: corvane-admin needs a desktop, so the command-line tool shows the stations instead."
  show=(cli "$bin/cli/corvane")
fi

bash scripts/privnet.sh --sim "$bin/sim/corvane-sim" \
  --sim-arg --stations --sim-arg 5 --sim-arg --state-dir --sim-arg "$work/stations" --sim-arg --quiet \
  -- bash -euo pipefail -c '
    mode=$1 program=$2 work=$3
    if [ "$mode" = admin ]; then
      # The desktop program runs as the user who asked for the demo, on that user'"'"'s display.
      if [ -n "${SUDO_USER:-}" ] && [ "$SUDO_USER" != root ]; then
        exec runuser -u "$SUDO_USER" -- "$program"
      fi
      exec "$program"
    fi
    echo "== corvane discover"
    "$program" discover
    echo
    echo "== corvane read $CORVANE_FIRST_STATION -o station.cfg   (password: the factory password \"orchid\")"
    echo orchid | "$program" read "$CORVANE_FIRST_STATION" -o "$work/station.cfg"
    echo
    echo "== corvane show station.cfg"
    "$program" show "$work/station.cfg"
  ' demo "${show[@]}" "$work"
