#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Checks what installing puts on a system. From a built tree (BUILD_DIR, default build/dev, which
# scripts/test.sh has just built): the install tree in a scratch DESTDIR holds exactly the expected files; the
# desktop entry and the metainfo pass the freedesktop validators; the manual pages and the shell completion name
# every command and option the programs' --help names (corvane's and each of its commands'), and the completion
# offers each command just the options of its own --help; the Debian package holds the same files and computed
# dependencies, and lintian finds no error or warning in it; the three programs, the metainfo, the changelog and
# the manual pages name the package's version; and, as root, `apt-get install` of the package works and the
# installed `corvane --help` runs.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${BUILD_DIR:-build/dev}
[ -f "$build_dir/CPackConfig.cmake" ] || { echo "install check: $build_dir is not a configured build" >&2; exit 1; }
cmake --build "$build_dir" --target corvane corvane-admin corvane-sim corvane_desktop_files >/dev/null

work=$(mktemp -d -t corvane-install.XXXXXX)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work" # apt reads the package as its own unprivileged user

fail() {
  echo "install check: $*" >&2
  exit 1
}

app=com.corvane.admin
expected=(
  usr/bin/corvane
  usr/bin/corvane-admin
  usr/bin/corvane-sim
  "usr/share/applications/$app.desktop"
  usr/share/doc/corvane/changelog.gz
  usr/share/doc/corvane/copyright
  usr/share/bash-completion/completions/corvane
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x$size/apps/$app.png")
done
expected+=(
  "usr/share/icons/hicolor/scalable/apps/$app.svg"
  usr/share/man/man1/corvane-admin.1.gz
  usr/share/man/man1/corvane-sim.1.gz
  usr/share/man/man1/corvane.1.gz
  "usr/share/metainfo/$app.metainfo.xml"
)
printf '%s\n' "${expected[@]}" | LC_ALL=C sort >"$work/expected"

# The file list of a tree, one relative path a line.
list_tree() { (cd "$1" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort); }

echo "== install into a scratch DESTDIR"
DESTDIR=$work/root cmake --install "$build_dir" --prefix /usr >/dev/null
list_tree "$work/root" >"$work/installed"
diff -u "$work/expected" "$work/installed" || fail "the install tree differs from the expected files (- missing, + extra)"
echo "${#expected[@]} files, as expected"

echo "== desktop entry and metainfo"
desktop-file-validate "$work/root/"usr/share/applications/$app.desktop"" | tee "$work/desktop.log"
grep -Eq 'error|warning' "$work/desktop.log" && fail "desktop-file-validate complains"
appstreamcli validate --no-net --pedantic "$work/root/usr/share/metainfo/$app.metainfo.xml"

echo "== manual pages and completion against --help"
root_bin=$work/root/usr/bin
completion=$work/root/usr/share/bash-completion/completions/corvane
# Every --option and -o that a usage text names.
options_of() { grep -oE '(^|[ [])--?[a-z][a-z-]*' | grep -oE -- '--?[a-z][a-z-]*' | LC_ALL=C sort -u || true; }
man_text() { gzip -dc "$work/root/usr/share/man/man1/$1.1.gz" | sed 's/\\-/-/g'; }
check_names() { # page-or-file-name text-file names...
  local what=$1 text=$2 name
  shift 2
  for name in "$@"; do
    grep -qF -- "$name" "$text" || fail "$what does not name $name"
  done
}
"$root_bin/corvane" --help >"$work/corvane.help"
"$root_bin/corvane-sim" --help >"$work/sim.help"
# The commands: the lines of the Commands list, two spaces and the name, then two spaces and what it does.
mapfile -t commands < <(sed -n '/^Commands/,/^$/s/^  \([a-z][a-z]*\)  .*/\1/p' "$work/corvane.help")
((${#commands[@]})) || fail "no commands found in corvane --help"
man_text corvane >"$work/corvane.man"
man_text corvane-sim >"$work/sim.man"
mapfile -t tool_options < <(options_of <"$work/corvane.help")
mapfile -t sim_options < <(options_of <"$work/sim.help")
check_names "corvane.1" "$work/corvane.man" "${commands[@]}" "${tool_options[@]}"
check_names "corvane-sim.1" "$work/sim.man" "${sim_options[@]}"
check_names "the completion" "$completion" "${commands[@]}" --version
for command in "${commands[@]}"; do
  "$root_bin/corvane" "$command" --help >"$work/$command.help" || fail "corvane $command --help failed"
  options=$(options_of <"$work/$command.help")
  check_names "corvane.1" "$work/corvane.man" $options
  # The completion offers a command exactly the options its --help names ("--wait=" is --wait).
  completed=$(sed -n "s/^    $command) options='\([^']*\)'.*/\1/p" "$completion" | tr ' ' '\n' | sed 's/=$//' |
    { grep . || true; } | LC_ALL=C sort -u)
  [ "$completed" = "$options" ] ||
    fail "the completion offers $command $(echo $completed) but its --help names $(echo $options)"
done
bash -n "$completion"
echo "every command and option of corvane and corvane-sim is documented, and each command completes its options"

echo "== Debian package"
cpack --config "$build_dir/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" ||
  { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb=$(echo "$work"/package/corvane_*.deb)
[ -f "$deb" ] || fail "cpack made no corvane_*.deb"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $NF }' | sed 's|^\./||' | LC_ALL=C sort >"$work/packaged"
diff -u "$work/expected" "$work/packaged" || fail "the package's files differ from the expected ones"
depends=$(dpkg-deb -f "$deb" Depends)
echo "$(basename "$deb"): ${#expected[@]} files, $(du -k "$deb" | cut -f1) KiB"
echo "Depends: $depends"
for package in libc6 libqt6core6 libqt6widgets6 qt6-qpa-plugins libqt6svg6; do
  [[ $depends == *"$package"* ]] || fail "the package does not depend on $package"
done

echo "== one version everywhere"
version=$(dpkg-deb -f "$deb" Version)
for program in corvane corvane-admin corvane-sim; do
  said=$("$root_bin/$program" --version)
  [ "$said" = "$program $version" ] || fail "$program --version says '$said', the package is $version"
done
# (sed reads to the end: a reader that stops early would fail the pipe under pipefail)
released=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$work/root/usr/share/metainfo/$app.metainfo.xml" | sed -n 1p)
[ "$released" = "$version" ] || fail "the metainfo's newest release is $released, the package is $version"
gzip -dc "$work/root/usr/share/doc/corvane/changelog.gz" | sed -n 1p | grep -F "corvane ($version)" >/dev/null ||
  fail "the changelog's newest entry is not $version"
for page in corvane corvane-admin corvane-sim; do
  man_text "$page" | sed -n '/^\.TH/p' | grep -F "\"corvane $version\"" >/dev/null || fail "$page.1 does not name version $version"
done
echo "$version: the package, the three programs' --version, the metainfo, the changelog and the manual pages"

echo "== lintian"
if command -v lintian >/dev/null; then
  # Errors and warnings fail; the informational tags are shown and were judged when they first appeared.
  status=0
  lintian --display-info --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || status=$?
  grep -v 'root privileges' "$work/lintian.log" || true
  [ "$status" -eq 0 ] || fail "lintian reports errors or warnings"
  echo "lintian: no error, no warning"
else
  echo "lintian is not installed: skipped (bash scripts/setup.sh installs it)"
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "== not root: the package is not installed on this machine"
  exit 0
fi
echo "== apt-get install of the package, then the installed corvane --help"
was_installed=false
dpkg-query -W -f='${Status}' corvane 2>/dev/null | grep -q 'install ok installed' && was_installed=true
DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$deb" >"$work/apt.log" 2>&1 ||
  { cat "$work/apt.log" >&2; fail "apt-get install failed"; }
/usr/bin/corvane --help >"$work/installed.help" || fail "the installed corvane --help failed"
cmp -s "$work/installed.help" "$work/corvane.help" || fail "the installed corvane --help differs from the built one"
$was_installed || DEBIAN_FRONTEND=noninteractive apt-get remove -y corvane >/dev/null 2>&1
echo "installed, ran corvane --help, $($was_installed && echo 'left installed' || echo removed again)"
