#!/bin/sh
# mizaro-cli simulate --data: the games go into the computer's files, counters lost from disk
# are counted again from the log, and a file that cannot be read stops the run before it plays.
# Argument: the mizaro-cli program.
set -u
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
    echo "FAILED: $*"
    failed=1
}
simulate() {
    "$cli" simulate --games "$1" --level 1 --seed 7 --data "$work" >/dev/null 2>"$work/err"
}

simulate 3 || fail "a first run exits non-zero"
[ "$(awk '$1 == "N" { print $2 }' "$work/StatCom.txt")" = 3 ] || fail "three games counted"
cp "$work/StatCom.txt" "$work/counters" && cp "$work/StatCom.log" "$work/log"

rm "$work/StatCom.txt"
simulate 0 || fail "a run after the counter file was lost exits non-zero"
cmp -s "$work/StatCom.txt" "$work/counters" || fail "the counters are not counted again as played"
grep -q 'StatCom.log' "$work/err" || fail "the rebuild goes unmentioned"

# A directory in place of a file cannot be read: nothing is played, nothing written.
for kept in StatCom.log StatCom.txt; do
    mv "$work/$kept" "$work/aside" && mkdir "$work/$kept"
    if simulate 2; then fail "$kept unreadable: exit 0"; fi
    grep -q "$kept" "$work/err" || fail "$kept unreadable: not named"
    rmdir "$work/$kept" && mv "$work/aside" "$work/$kept"
    cmp -s "$work/StatCom.txt" "$work/counters" && cmp -s "$work/StatCom.log" "$work/log" ||
        fail "$kept unreadable: the files changed"
done
exit $failed
