#!/bin/sh
# mizaro-cli simulate --data: lost counters are counted again from the log, and a file that
# cannot be read (a directory in its place) stops the run before it plays or writes anything.
# Argument: the mizaro-cli program.
set -u
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
simulate() { "$1" simulate --games "$2" --level 1 --seed 7 --data "$work" >/dev/null 2>"$work/err"; }

simulate "$1" 3 && cp "$work/StatCom.txt" "$work/counters" && cp "$work/StatCom.log" "$work/log" &&
    rm "$work/StatCom.txt" && simulate "$1" 0 && cmp -s "$work/StatCom.txt" "$work/counters" ||
    { echo "FAILED: the counters are not counted again as played"; failed=1; }
for kept in StatCom.log StatCom.txt; do
    mv "$work/$kept" "$work/aside" && mkdir "$work/$kept"
    simulate "$1" 2 && { echo "FAILED: $kept unreadable: exit 0"; failed=1; }
    grep -q "$kept" "$work/err" || { echo "FAILED: $kept unreadable: not named"; failed=1; }
    rmdir "$work/$kept" && mv "$work/aside" "$work/$kept"
    cmp -s "$work/StatCom.txt" "$work/counters" && cmp -s "$work/StatCom.log" "$work/log" ||
        { echo "FAILED: $kept unreadable: the files changed"; failed=1; }
done
exit $failed
