#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Renders every dialog of the desktop utility, the chooser (with simulated stations on loopback) and a configuration
# window under Xvfb (with a window manager, so captions show) and saves one PNG each; then all of them again under
# a dark palette, into DIR/dark.
# Usage: scripts/screenshots.sh [OUTPUT_DIRECTORY]  (BUILD_DIR picks the build, default build/dev)
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${BUILD_DIR:-build/dev}
out_dir=${1:-$(mktemp -d -t corvane-screenshots.XXXXXX)}
mkdir -p "$out_dir"
out_dir=$(cd "$out_dir" && pwd)

for tool in xvfb-run import openbox xprop xdotool; do
  command -v "$tool" >/dev/null || { echo "screenshots: $tool is missing (bash scripts/setup.sh installs it)" >&2; exit 1; }
done
[ -f "$build_dir/build.ninja" ] || cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$build_dir" --target corvane_dialog_gallery corvane_window_gallery -j 2 >/dev/null

gallery=$(realpath "$build_dir/tests/gui/corvane_dialog_gallery")
windows=$(realpath "$build_dir/tests/app/corvane_window_gallery")
runtime_dir=$(mktemp -d -t corvane-xdg.XXXXXX)
trap 'rm -rf "$runtime_dir"' EXIT
# Openbox's own settings, with captions that hold the icon, the title and a close box: the frame of a
# fixed-size dialog.
sed 's|<titleLayout>[A-Z]*</titleLayout>|<titleLayout>NLC</titleLayout>|' /etc/xdg/openbox/rc.xml >"$runtime_dir/openbox.xml"
XDG_RUNTIME_DIR=$runtime_dir xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  openbox --sm-disable --config-file "$XDG_RUNTIME_DIR/openbox.xml" >/dev/null 2>&1 &
  wm=$!
  trap "kill $wm 2>/dev/null || true" EXIT
  # The window manager draws the captions; wait until it has taken the screen.
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
  done
  "$1" "$2"
  "$3" "$2"
  # The same under a dark palette, as a desktop in dark mode would give.
  mkdir -p "$2/dark"
  CORVANE_PALETTE=dark "$1" "$2/dark"
  CORVANE_PALETTE=dark "$3" "$2/dark"
' _ "$gallery" "$out_dir" "$windows"

echo "$out_dir"
