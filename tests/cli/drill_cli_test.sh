#!/bin/sh
# mizaro-cli drill: one line per problem in the fixed format, oldest game first, the same for
# every number of threads; the page, a threshold that keeps more, JSON, and refusals that fail.
# Argument: the mizaro-cli program.
cli=$1
. "$(dirname "$0")/test_lib.sh"

# Six games the computer played.
cat >"$work/StatMan.log" <<'LOG'
6
CEFJPRWWX0046RW7D3MJFZXN71MXBP3467J3RJMXXZ71RPXP3G-AA
BBCEJNOYZ3445PPF6Y7WNSR5OI2FOHQ35J6C7WOZF5OS2FOIRJ-AA
ADKLPQSVWX057YC6TFRUMEQI7MN6WIM576ASF0DEQI7MN6WIML-IA
CEGJPRWZZ2457BLC50X6S5Q1SD04TIV4255706S5C1SJ04TLBF-AA
CHIJPPTVXY047KZ1BNAGQ5WPC6CSFQH471JKN0Q5WPC6CSFQHI-HA
BIIJKKNPUWY064L2MTZOEJV--------462BPWKEJ---------L5HA
LOG

"$cli" drill "$work/StatMan.log" --jobs 1 >"$work/one" || fail "drill exits non-zero"
"$cli" drill "$work/StatMan.log" --jobs 2 >"$work/two" || fail "--jobs 2 exits non-zero"
cmp -s "$work/one" "$work/two" || fail "--jobs 1 and --jobs 2 differ"
line='^game=[1-6] turn=[0-9]+ hand=([1-9]+[mpsz])+ dora=[1-9][mpsz] discard=[1-9][mpsz] best=([1-9]+[mpsz])+ made=[0-9]+\.[0-9][0-9] bestValue=[0-9]+\.[0-9][0-9] loss=[0-9]+\.[0-9][0-9]$'
count=$(grep -c '^game=' "$work/one")
[ "$count" -ge 3 ] || fail "at least three problems"
grep '^game=' "$work/one" | grep -Evq "$line" && fail "a problem line out of format"
tail -n 1 "$work/one" | grep -Eq "^problems=$count games=6\$" || fail "count line"
# Oldest game first, and every loss at least 10 points and 1 % of the best value.
awk -F'[ =]' '/^game=/ {
        if ($2 < last || $18 < 10 || $18 < $16 / 100 - 0.005) bad = 1; last = $2 }
    END { exit bad }' "$work/one" || fail "order or threshold"

# The page of a new drill counts every problem as new; it is UTF-8 in either language.
"$cli" drill "$work/StatMan.log" --page "$work/Drill.htm" --lang en >/dev/null
grep -q "New problems</TD><TD align=right>$count<" "$work/Drill.htm" || fail "--page"

"$cli" drill "$work/StatMan.log" --min-loss 0 --min-points 0 >"$work/all" || fail "zero threshold"
[ "$(grep -c '^game=' "$work/all")" -gt "$count" ] || fail "a lower threshold keeps more"
"$cli" drill "$work/StatMan.log" --json >"$work/json" || fail "--json exits non-zero"
[ "$(grep -c '"bestValue"' "$work/json")" -eq "$count" ] || fail "--json has the same problems"

if "$cli" drill "$work/missing.log" >/dev/null 2>&1; then fail "a missing log"; fi
if "$cli" drill "$work/StatMan.log" --jobs 0 >/dev/null 2>&1; then fail "--jobs 0"; fi
exit $failed
