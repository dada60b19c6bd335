#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Checks the Ansible collection under integrations/ansible: it builds and installs as a collection, ansible-doc
# reads every module's documentation, ansible-test's sanity tests that need neither network nor containers pass,
# and its playbooks do what they should against simulated stations in the private test network
# (integrations/ansible/tests/fleet/run.sh). From a built tree (BUILD_DIR, default build/dev).
# Without Ansible or root it says so and skips, unless CI is set: there it fails.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${BUILD_DIR:-build/dev}
skip() {
  if [ -n "${CI:-}" ]; then
    echo "ansible check: $1, and this is CI: failing" >&2
    exit 1
  fi
  echo "ansible check: $1; skipping" >&2
  exit 0
}
command -v ansible-playbook >/dev/null || skip "Ansible is not installed (apt-get install ansible-core)"
[ "$(id -u)" -eq 0 ] || skip "the private test network needs root"
[ -f "$build_dir/CMakeCache.txt" ] || { echo "ansible check: $build_dir is not a configured build" >&2; exit 1; }
cmake --build "$build_dir" --target corvane corvane-sim >/dev/null

work=$(mktemp -d -t corvane-ansible.XXXXXX)
trap 'rm -rf "$work"' EXIT
started=$(date +%s)

echo "== build and install the collection"
ansible-galaxy collection build integrations/ansible --output-path "$work" >/dev/null
ansible-galaxy collection install "$work"/corvane-admin-*.tar.gz -p "$work/collections" >/dev/null 2>&1
export ANSIBLE_COLLECTIONS_PATH=$work/collections
installed=$work/collections/ansible_collections/corvane/admin

echo "== ansible-doc of every module"
for module in integrations/ansible/plugins/modules/*.py; do
  name=corvane.admin.$(basename "$module" .py)
  ansible-doc "$name" >"$work/doc" 2>&1 || { cat "$work/doc"; echo "ansible check: $name: no documentation" >&2; exit 1; }
done

echo "== ansible-test sanity"
# The tests that run offline on this machine's Python; the others fetch pip into virtual environments of their
# own (ansible-doc above reads the documentation they would check).
python=$(python3 -c 'import sys; print("%d.%d" % sys.version_info[:2])')
(cd "$installed" && git init -q && ansible-test sanity --python "$python" --color no --test compile --test shebang \
  --test line-endings --test empty-init --test no-smart-quotes --test action-plugin-docs) >"$work/sanity" 2>&1 ||
  { cat "$work/sanity"; echo "ansible check: ansible-test sanity failed" >&2; exit 1; }

echo "== playbooks against simulated stations"
bash scripts/privnet.sh -- bash "$installed/tests/fleet/run.sh" "$(realpath "$build_dir/src/cli/corvane")" \
  "$(realpath "$build_dir/src/sim/corvane-sim")" "$work" || {
  status=$?
  [ "$status" -ne 77 ] || skip "the private test network is unavailable"
  exit "$status"
}
echo "ansible check: passed in $(($(date +%s) - started)) s"
