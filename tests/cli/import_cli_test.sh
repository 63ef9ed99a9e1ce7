#!/bin/sh
# mizaro-cli import: the review and the position lines of a game in either form, as lines, JSON
# and pages, the player by seat or name, and refusals that fail with the file named.
# Arguments: the mizaro-cli program, the folder of the online test logs.
cli=$1
data=$2
. "$(dirname "$0")/test_lib.sh"

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
"$cli" import "$data/game.json" --positions --page "$work/p.htm" 2>/dev/null && fail "page of positions"

"$cli" import "$data/game.json" >"$work/review" || fail "review exits non-zero"
"$cli" import "$data/game.mjlog" --page "$work/en.htm" --lang en >"$work/review-xml" ||
    fail "review of the xml exits non-zero"
cmp -s "$work/review" "$work/review-xml" || fail "the two forms review differently"
[ "$(grep -c '^hand=[1-3] turn=[1-9] draw=' "$work/review")" -eq 9 ] || fail "nine rated turns"
tail -n 1 "$work/review" | grep -Eq '^total loss=[0-9]+\.[0-9]{2}$' || fail "the total line"
grep -q 'East 3, 0 honba' "$work/en.htm" || fail "the English page"
"$cli" import "$data/game.json" --json >"$work/review.json" || fail "json review exits non-zero"
grep -q '"end": "exhaustive draw"' "$work/review.json" || fail "the json hand result"
[ "$(grep -c '"turn": ' "$work/review.json")" -eq 12 ] || fail "nine turns and three largest"
"$cli" import "$data/game.json" --positions --json >"$work/positions.json" || fail "json positions"
[ "$(grep -c '"drawsLeft": ' "$work/positions.json")" -eq 9 ] || fail "nine json positions"
exit $failed
