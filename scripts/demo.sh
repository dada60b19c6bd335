#!/usr/bin/env bash
# The demo: installs what is missing, builds the release preset's programs, starts five simulated base stations
# in the private test network and shows them through the command-line tool: one discovery scan, then the
# configuration read from the first station. Needs root for the network namespaces (it asks sudo otherwise).
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "$(id -u)" -ne 0 ]; then
  exec sudo -- bash "$0" "$@"
fi

bash scripts/setup.sh
cmake --preset release
cmake --build --preset release --target corvane corvane-sim

bin=$PWD/build/release/src
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

bash scripts/privnet.sh --sim "$bin/sim/corvane-sim" \
  --sim-arg --stations --sim-arg 5 --sim-arg --state-dir --sim-arg "$work/stations" --sim-arg --quiet \
  -- bash -euo pipefail -c '
    corvane=$1 work=$2
    echo "== corvane discover"
    "$corvane" discover
    echo
    echo "== corvane read $CORVANE_FIRST_STATION -o station.cfg   (password: the factory password \"orchid\")"
    echo orchid | "$corvane" read "$CORVANE_FIRST_STATION" -o "$work/station.cfg"
    echo
    echo "== corvane show station.cfg"
    "$corvane" show "$work/station.cfg"
  ' demo "$bin/cli/corvane" "$work"
