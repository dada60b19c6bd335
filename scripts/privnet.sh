#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Runs a command inside a private test network, so that discovery broadcasts never leave this machine:
#
#   client namespace  veth  lan namespace
#   10.77.0.1/24 <---------> 10.77.0.2/24 + every address of 10.77.16.0 to 10.77.63.255 (local routes: one
#                            per station)
#   with --second-lan, a second network card and a second station LAN:
#   10.78.0.1/24 <---------> 10.78.0.2/24 + every address of 10.78.16.0/20
#
# The command runs in the client namespace (default route into the first lan, so 255.255.255.255 reaches it
# and only it). It finds the lan namespace's name in CORVANE_LAN_NS and the first station address in
# CORVANE_FIRST_STATION (the second lan's in CORVANE_LAN2_NS and CORVANE_FIRST_STATION2), and may start
# simulators there itself with `ip netns exec "$CORVANE_LAN_NS" ...`.
# With --sim PATH the script starts `PATH --first-address ... [SIM ARGS]` in the lan namespace first and
# waits until it answers. Everything is torn down on every exit path; the command's exit status is returned.
#
# usage: scripts/privnet.sh [--second-lan] [--sim PATH [--sim-arg ARG]...] [--] COMMAND [ARG...]
# Exit status 77 (skip) when not root or when `ip netns` is unavailable.
set -euo pipefail

readonly SKIP=77
readonly CLIENT_ADDR=10.77.0.1
readonly LAN_ADDR=10.77.0.2
readonly STATION_BLOCKS=(10.77.16.0/20 10.77.32.0/19)
readonly FIRST_STATION=10.77.16.1
readonly CLIENT2_ADDR=10.78.0.1
readonly LAN2_ADDR=10.78.0.2
readonly STATION2_BLOCK=10.78.16.0/20
readonly FIRST_STATION2=10.78.16.1

sim=""
sim_args=()
second_lan=0
while (($#)); do
  case "$1" in
    --second-lan) second_lan=1; shift ;;
    --sim) sim="$2"; shift 2 ;;
    --sim-arg) sim_args+=("$2"); shift 2 ;;
    --) shift; break ;;
    -*) echo "privnet: unknown option $1" >&2; exit 2 ;;
    *) break ;;
  esac
done
(($#)) || { echo "usage: privnet.sh [--second-lan] [--sim PATH [--sim-arg ARG]...] [--] COMMAND [ARG...]" >&2; exit 2; }

if [ "$(id -u)" -ne 0 ]; then
  echo "privnet: needs root for network namespaces; skipping" >&2
  exit "$SKIP"
fi
if ! command -v ip >/dev/null || ! ip netns list >/dev/null 2>&1; then
  echo "privnet: ip netns is unavailable; skipping" >&2
  exit "$SKIP"
fi

# Names unique per run, so parallel test runs do not meet.
suffix="$$-$RANDOM"
client_ns="corvane-client-$suffix"
lan_ns="corvane-lan-$suffix"
lan2_ns="corvane-lan2-$suffix"
sim_pid=""
ready_dir=""

teardown() {
  local status=$?
  trap - EXIT INT TERM HUP
  [ -z "$ready_dir" ] || rm -rf "$ready_dir"
  if [ -n "$sim_pid" ]; then
    kill -TERM "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" 2>/dev/null || true
  fi
  # Whatever the command left running inside our own namespaces ends with them.
  for ns in "$client_ns" "$lan_ns" "$lan2_ns"; do
    for pid in $(ip netns pids "$ns" 2>/dev/null); do kill -KILL "$pid" 2>/dev/null || true; done
    ip netns del "$ns" 2>/dev/null || true
  done
  exit "$status"
}
trap teardown EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

in_client() { ip netns exec "$client_ns" "$@"; }
in_lan() { ip netns exec "$lan_ns" "$@"; }

if ! ip netns add "$client_ns" 2>/dev/null; then
  echo "privnet: cannot create a network namespace here; skipping" >&2
  exit "$SKIP"
fi
ip netns add "$lan_ns"
# Both ends are made directly inside their namespaces, so fixed names never meet another run's.
client_if=veth-client
lan_if=veth-lan
ip link add "$client_if" netns "$client_ns" type veth peer name "$lan_if" netns "$lan_ns"

in_client ip link set lo up
in_client ip addr add "$CLIENT_ADDR/24" brd + dev "$client_if"
in_client ip link set "$client_if" up
in_client ip route add default via "$LAN_ADDR" dev "$client_if"

in_lan ip link set lo up
in_lan ip addr add "$LAN_ADDR/24" brd + dev "$lan_if"
in_lan ip link set "$lan_if" up
# Every address of the blocks is local in the lan namespace: each simulated station binds its own.
for block in "${STATION_BLOCKS[@]}"; do in_lan ip route add local "$block" dev lo; done

export CORVANE_LAN_NS="$lan_ns" CORVANE_CLIENT_NS="$client_ns" CORVANE_FIRST_STATION="$FIRST_STATION"

if ((second_lan)); then
  # Reached through its own card only: no default route leads there, so only a directed broadcast does.
  ip netns add "$lan2_ns"
  ip link add veth-client2 netns "$client_ns" type veth peer name veth-lan2 netns "$lan2_ns"
  in_client ip addr add "$CLIENT2_ADDR/24" brd + dev veth-client2
  in_client ip link set veth-client2 up
  in_client ip route add "$STATION2_BLOCK" via "$LAN2_ADDR" dev veth-client2
  ip netns exec "$lan2_ns" ip link set lo up
  ip netns exec "$lan2_ns" ip addr add "$LAN2_ADDR/24" brd + dev veth-lan2
  ip netns exec "$lan2_ns" ip link set veth-lan2 up
  ip netns exec "$lan2_ns" ip route add local "$STATION2_BLOCK" dev lo
  export CORVANE_LAN2_NS="$lan2_ns" CORVANE_FIRST_STATION2="$FIRST_STATION2"
fi

if [ -n "$sim" ]; then
  # The simulator writes a line into this FIFO once every socket is bound: a blocking read, no sleeps.
  ready_dir=$(mktemp -d)
  mkfifo "$ready_dir/ready"
  exec 3<>"$ready_dir/ready"
  in_lan "$sim" --first-address "$FIRST_STATION" --ready-file "$ready_dir/ready" "${sim_args[@]}" &
  sim_pid=$!
  if ! read -r -t 60 -u 3 _; then
    echo "privnet: the simulator did not become ready" >&2
    exit 1
  fi
  exec 3<&-
fi

set +e
in_client "$@"
status=$?
set -e
exit "$status"
