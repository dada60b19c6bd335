#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# The collection against simulated stations, run by scripts/ansible_check.sh inside the private test network.
# A fleet of 20 stations (password "orchid") from 10.77.16.1 on: the README's site playbook's first run changes
# every station (a channel and an access-list client), a second changes nothing, --check --diff shows a new
# plan and sends nothing; then each module runs twice. Then, alone on the network, a fleet of 5 with one
# station of another password, which fails alone as a failed item.
#
# usage: run.sh CORVANE CORVANE_SIM WORK      (ANSIBLE_COLLECTIONS_PATH holds corvane.admin)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
site=$here/../../examples/site.yml
export CORVANE=$1 CORVANE_WORK=$3
sim=$2 work=$3
# Backups and Ansible's own files go to the scratch folder, not to the user's home.
export HOME=$work/home ANSIBLE_NOCOLOR=1 ANSIBLE_RETRY_FILES_ENABLED=0
mkdir -p "$HOME"
# The site playbook finds corvane on PATH, as on a site's host; modules.yml names it by corvane_path.
PATH=$(dirname "$CORVANE"):$PATH
readonly stations=20 client=00:1A:2B:3C:4D:5E

fail() {
  echo "ansible check: $*" >&2
  exit 1
}
playbook() { # LOG EXPECTED-STATUS ARGS...: runs ansible-playbook on the test site; its output into LOG
  local log=$1 expected=$2 status=0 start
  shift 2
  start=$(date +%s.%N)
  ansible-playbook -i "$here/inventory.yml" "$@" >"$log" 2>&1 || status=$?
  awk -v s="$start" -v e="$(date +%s.%N)" -v l="$(basename "$log")" 'BEGIN { printf "   %s: %.1f s\n", l, e - s }'
  [ "$status" -eq "$expected" ] || { cat "$log"; fail "$(basename "$log"): exit $status, expected $expected"; }
}
recap() { grep -E '^lan +:' "$1"; }
channel() { "$CORVANE" get -- "$1" raCh | sed 's/.*: //'; }
# A station's file in a fleet's state folder, by its address.
station_file() { echo "$1/station-$2.cfg"; }
sim_pid=""
start_fleet() { # STATE STATIONS FIRST-ADDRESS: a fleet of simulated stations in the lan namespace, answering
  mkdir -p "$work/ready.d"
  chmod 700 "$work/ready.d"
  mkfifo "$work/ready.d/$2"
  exec 3<>"$work/ready.d/$2"
  ip netns exec "$CORVANE_LAN_NS" "$sim" --stations "$2" --first-address "$3" --state-dir "$1" \
    --restart-ms 100 --quiet --ready-file "$work/ready.d/$2" &
  sim_pid=$!
  read -r -t 60 -u 3 _ || fail "the fleet at $3 did not become ready"
  exec 3<&-
}
stop_fleet() {
  kill -TERM "$sim_pid"
  wait "$sim_pid" || true
}

state=$work/state
start_fleet "$state" "$stations" 10.77.16.1

echo "== the site playbook on $stations stations: a channel plan and an access-list client"
playbook "$work/first.log" 0 "$site"
recap "$work/first.log" | grep -q 'changed=2 .*failed=0' || fail "first run: $(recap "$work/first.log")"
for n in $(seq "$stations"); do
  file=$(station_file "$state" "10.77.16.$n")
  expected=6
  [ "$n" -ne 2 ] || expected=11 # "Base Station 2" has a channel of its own in the plan
  [ "$(channel "$file")" = "$expected" ] || fail "station $n: channel $(channel "$file"), expected $expected"
  "$CORVANE" acl list -- "$file" | grep -q "$client" || fail "station $n: $client not on its access list"
done
copies=$(find "$HOME/corvane-backups" -name '*.cfg' | wc -l)
[ "$copies" -eq "$stations" ] || fail "first run: $copies backup copies, expected $stations"

echo "== again: nothing changes"
sums() { sha256sum "$state"/*.cfg; }
sums >"$work/sums-before"
playbook "$work/second.log" 0 "$site"
recap "$work/second.log" | grep -q 'changed=0 .*failed=0' || fail "second run: $(recap "$work/second.log")"
sums | diff -q "$work/sums-before" - >/dev/null || fail "second run: a station was written"

echo "== --check --diff of a new plan: the diff shown, nothing sent"
playbook "$work/check.log" 0 "$site" --check --diff -e default_channel=1
recap "$work/check.log" | grep -q 'changed=1 .*failed=0' || fail "check run: $(recap "$work/check.log")"
diffs=$(grep -c '^+ *"raCh": 1$' "$work/check.log" || true)
[ "$diffs" -eq $((stations - 1)) ] || { cat "$work/check.log"; fail "check run: $diffs diffs, expected $((stations - 1))"; }
sums | diff -q "$work/sums-before" - >/dev/null || fail "check run: a station was written"

echo "== each module, twice"
playbook "$work/modules.log" 0 "$here/modules.yml"
recap "$work/modules.log" | grep -q 'failed=0' || fail "modules: $(recap "$work/modules.log")"
! grep -q "Zebra crossing" "$work/modules.log" || fail "modules: the network password shows in the output"

echo "== a fleet with one station of another password: that item fails, the others change"
state2=$work/state2
stop_fleet
mkdir -m 700 "$state2"
echo '{"syNm": "Base Station 3", "syPW": "not orchid"}' >"$work/other.json"
"$CORVANE" import "$work/other.json" -o "$(station_file "$state2" 10.77.17.3)" >/dev/null
start_fleet "$state2" 5 10.77.17.1
playbook "$work/password.log" 2 "$site"
grep -q '^failed: \[lan\] (item=Base Station 3 (10.77.17.3))' "$work/password.log" ||
  { cat "$work/password.log"; fail "no failed item for the station of another password"; }
[ "$(grep -c '^changed: \[lan\] => (item=' "$work/password.log")" -eq 4 ] ||
  { cat "$work/password.log"; fail "the other four stations did not all change"; }
for n in 1 2 3 4 5; do
  expected=6
  [ "$n" -ne 2 ] || expected=11
  [ "$n" -ne 3 ] || expected=1
  got=$(channel "$(station_file "$state2" "10.77.17.$n")")
  [ "$got" = "$expected" ] || fail "second fleet, station $n: channel $got, expected $expected"
done
stop_fleet
echo "ansible check: every playbook did as expected"
