#!/usr/bin/env bash
# An installation under a temporary prefix runs on its own, started from another directory:
# mizaro-cli counts a hand with the installed table, the window program starts, finds the
# table and keeps its files in the per-user data directory, its help page is installed; without
# the table both say so.
# Usage: check_installed_tree.sh CMAKE BUILD_DIR VERSION
set -euo pipefail
cmake=$1 build=$2 version=$3

root=$(mktemp -d)
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  rm -rf "$root"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$root/usr" >/dev/null
prefix=$root/usr
[ -f "$prefix/share/mizaro/ShantenTable.txt" ] || fail "the table is not in share/mizaro"
grep -q 'The Mizaro developers$' "$prefix/share/doc/mizaro/copyright" || fail "no licence"
mkdir -p "$root/elsewhere"
cd "$root/elsewhere"

# A complete hand counts -1 only with the table; without it the suits count nothing.
count() { echo 123m456p789s11222z | "$prefix/bin/mizaro-cli" shanten 2>"$root/cli.err"; }
[ "$(count)" = "-1 4 8 -1" ] || fail "installed mizaro-cli counted '$(count)'"
! grep ShantenTable "$root/cli.err" >/dev/null || fail "installed mizaro-cli warned: $(cat "$root/cli.err")"
[ "$("$prefix/bin/mizaro-cli" --version)" = "mizaro-cli $version" ] || fail "mizaro-cli --version"

[ -x "$prefix/bin/mizaro" ] || { echo "no window program installed; the rest is skipped"; exit 0; }
grep -q '<meta charset="utf-8">' "$prefix/share/mizaro/help/ja/index.html" ||
  fail "the help page is not in share/mizaro/help/ja"
[ "$("$prefix/bin/mizaro" --version)" = "mizaro $version" ] || fail "mizaro --version"

# Starts the window program offscreen with a private home; waits until it has written its tile
# pictures into the data directory and has had time to look for its table.
start_window() {
  local home=$root/home-$1
  mkdir -p "$home/run"
  chmod 700 "$home/run"
  HOME=$home XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/run QT_QPA_PLATFORM=offscreen \
    "$prefix/bin/mizaro" 2>"$root/window-$1.err" &
  pid=$!
  for _ in $(seq 100); do
    [ -f "$home/data/mizaro/img/j7.gif" ] && break
    kill -0 "$pid" 2>/dev/null || fail "mizaro ended early: $(cat "$root/window-$1.err")"
    sleep 0.2
  done
  [ -f "$home/data/mizaro/img/j7.gif" ] || fail "mizaro wrote no tile pictures into the data directory"
  sleep 2
  kill -0 "$pid" 2>/dev/null || fail "mizaro ended early: $(cat "$root/window-$1.err")"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
}

start_window with-table
if grep -q ShantenTable "$root/window-with-table.err"; then
  fail "mizaro did not find its table: $(cat "$root/window-with-table.err")"
fi
[ -z "$(ls -A "$root/elsewhere")" ] || fail "files were written into the current directory"
[ "$(ls "$prefix/bin" | sort | tr '\n' ' ')" = "mizaro mizaro-cli " ] || fail "files in bin/"

# Without the table both programs say so.
mv "$prefix/share/mizaro/ShantenTable.txt" "$root/"
[ "$(count)" != "-1 4 8 -1" ] || fail "a count without the table cannot be right"
grep -q ShantenTable "$root/cli.err" || fail "mizaro-cli did not warn without its table"
start_window without-table
grep -q ShantenTable "$root/window-without-table.err" || fail "mizaro did not warn without its table"
echo "installed tree runs"
