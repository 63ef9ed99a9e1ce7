#!/bin/sh
# mizaro-cli import: the position lines of a game in either form, the player by seat or name,
# and refusals that fail with the file named.
# Arguments: the mizaro-cli program, the folder of the online test logs.
set -u
cli=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
    echo "FAILED: $*"
    failed=1
}

"$cli" import "$data/game.json" --positions >"$work/json" || fail "json exits non-zero"
"$cli" import "$data/game.mjlog.gz" --player あお --positions >"$work/xml" || fail "by name"
cmp -s "$work/json" "$work/xml" || fail "the two forms differ"
[ "$(wc -l <"$work/json")" -eq 9 ] || fail "seat 0 has nine positions"
line='^hand=[1-3] turn=[1-9] seat=0 round=E dealer=[01] tiles=([1-9]+[mpsz])+ unseen=([0-4],){33}[0-4] draws=[0-9]+ dora=([1-9][mpsz])+$'
grep -Evq "$line" "$work/json" && fail "a line out of format"
grep -q '^hand=1 turn=4 .* tiles=123m24567p789s11z9p .* draws=15 dora=9m8p$' "$work/json" ||
    fail "the riichi position"

"$cli" import "$data/game.json" --player 9 --positions 2>"$work/err" && fail "an unknown player"
grep -q "no seat 0..3 and no player named 9" "$work/err" || fail "the unknown player's message"
printf '{"log": []}' >"$work/empty.json"
"$cli" import "$work/empty.json" --positions 2>"$work/err" && fail "an empty log"
grep -q "empty.json: no \"log\" list of hands" "$work/err" || fail "the empty log's message"
"$cli" import "$data/game.json" >/dev/null 2>&1 && fail "no mode given"
exit $failed
