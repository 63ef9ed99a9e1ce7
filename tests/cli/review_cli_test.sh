#!/bin/sh
# mizaro-cli review: one line per rated turn in the fixed format, a total that is the sum of the
# searched losses, the games counted from the latest, bench review's signature, and refusals
# that fail.
# Argument: the mizaro-cli program.
cli=$1
. "$(dirname "$0")/test_lib.sh"

# Two recorded games: an exhausted game with no riichi (older), then a hand-played game with
# riichi at turn 6 (the latest).
printf '2\nBEGHKSTU14566WZVY6ADKV137XUXOKN45V16KWKV137XUABKNP-AA\nHKMRXXY0023477HMBS3ZHIV0EC7JGLO24RBSKZHIV0EC7JGLO2-GA\n' >"$work/StatMan.log"

"$cli" review "$work/StatMan.log" >"$work/latest" || fail "review exits non-zero"
[ "$(grep -c '^turn=' "$work/latest")" -eq 6 ] || fail "the latest game has six chosen discards"
line='^turn=[0-9]+ draw=[1-9][mpsz] discard=[1-9][mpsz] best=([1-9]+[mpsz])+ made=[0-9]+\.[0-9][0-9] bestValue=[0-9]+\.[0-9][0-9] loss=[0-9]+\.[0-9][0-9] kind=(search|tiles)$'
grep -v '^total loss=' "$work/latest" | grep -Evq "$line" && fail "a turn line out of format"
tail -n 1 "$work/latest" | grep -Eq '^total loss=[0-9]+\.[0-9][0-9]$' || fail "total line"

"$cli" review "$work/StatMan.log" --game 2 >"$work/older" || fail "--game 2 exits non-zero"
[ "$(grep -c '^turn=' "$work/older")" -eq 18 ] || fail "the older game has 18 chosen discards"
# The total is the sum of the searched losses alone (to the rounding of the printed values).
awk -F'[ =]' '
    /^turn=/ { if ($NF == "search") sum += $14 }
    /^total loss=/ { total = $3 }
    END { d = sum - total; if (d < -0.05 || d > 0.05) exit 1 }' "$work/older" ||
    fail "the total is not the sum of the searched losses"
grep -q 'kind=tiles' "$work/older" || fail "the older game has a turn far from ready"

# The page beside the lines: code page 932 in Japanese, UTF-8 in English.
"$cli" review "$work/StatMan.log" --page "$work/ja.htm" >/dev/null || fail "--page exits non-zero"
iconv -f CP932 -t UTF-8 "$work/ja.htm" | grep -q '1 局前' || fail "the Japanese page"
"$cli" review "$work/StatMan.log" --page "$work/en.htm" --lang en >/dev/null
grep -q '<meta charset="utf-8">' "$work/en.htm" && grep -q '1 game ago' "$work/en.htm" ||
    fail "the English page"
"$cli" review "$work/StatMan.log" --json >"$work/json" || fail "--json exits non-zero"
grep -q '"riichiValue"' "$work/json" || fail "the riichi turn carries its riichi and dama values"
[ "$(grep -c '"turn":' "$work/json")" -eq 6 ] || fail "--json has the same turns"

# bench review plays the games simulate writes from the same seed; its signature is the sum of
# every rated turn's loss and best value as review gives them.
mkdir "$work/sim"
"$cli" simulate --games 4 --seed 3 --data "$work/sim" >/dev/null || fail "simulate exits non-zero"
signature=$("$cli" bench review --games 4 --seed 3 | awk '/^signature / { print $2 }')
for n in 1 2 3 4; do "$cli" review "$work/sim/StatCom.log" --game $n --json; done |
    awk -F': *' -v s="$signature" '/^ *"(loss|bestValue)":/ { sum += $2 }
        END { d = sum - s; exit !(s != "" && d > -1e-6 && d < 1e-6) }' ||
    fail "bench review's signature is not the sum over the reviewed games"

if "$cli" review "$work/StatMan.log" --game 3 >/dev/null 2>&1; then fail "--game 3 of 2"; fi
if "$cli" review "$work/missing.log" >/dev/null 2>&1; then fail "a missing log"; fi
printf '1\nAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA\n' >"$work/bad.log"
if "$cli" review "$work/bad.log" >/dev/null 2>&1; then fail "an unreplayable game"; fi
exit $failed
