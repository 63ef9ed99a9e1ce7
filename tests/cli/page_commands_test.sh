#!/bin/sh
# mizaro-cli report, dama and problem: the exact code page 932 bytes with --out, the same text
# in UTF-8 on standard output, and a refusal that writes nothing and fails.
# Arguments: the mizaro-cli program and the folder of golden pages.
cli=$1
golden=$2
. "$(dirname "$0")/test_lib.sh"

echo "234567m24p678s55z1z turn=4 dora=5p" | "$cli" dama --out "$work/Dama.htm" ||
    fail "dama exits non-zero"
cmp -s "$work/Dama.htm" "$golden/dama_with_changes.htm" || fail "dama --out bytes"
echo "234567m24p678s55z1z turn=4 dora=5p" | "$cli" dama >"$work/dama.utf8"
iconv -f CP932 -t UTF-8 "$golden/dama_with_changes.htm" | cmp -s - "$work/dama.utf8" ||
    fail "dama on standard output is not the page in UTF-8"

# In English the file holds the UTF-8 text of standard output, and the page says so.
echo "234567m24p678s55z1z turn=4 dora=5p" | "$cli" dama --lang en --out "$work/Dama.en.htm"
echo "234567m24p678s55z1z turn=4 dora=5p" | "$cli" dama --lang en | cmp -s - "$work/Dama.en.htm" ||
    fail "dama --lang en: the file is not the text of standard output"
grep -q '<meta charset="utf-8">' "$work/Dama.en.htm" || fail "dama --lang en: no utf-8 declared"

echo "123m456p789s11z57z6z turn=3 dora=1p" | "$cli" problem --out "$work/problem.txt"
cmp -s "$work/problem.txt" "$golden/problem_three_dragons.txt" || fail "problem --out bytes"

# A complete hand: an empty text, and a page with only its frame.
echo "123m456p789s11z555z turn=3" | "$cli" problem --out "$work/empty.txt"
[ -f "$work/empty.txt" ] && [ ! -s "$work/empty.txt" ] || fail "complete hand: empty text"
echo "123m456p789s11z555z turn=3" | "$cli" report --depth 5 | tail -c 14 | grep -q '</body></html>' ||
    fail "complete hand: report frame"
for c in report dama problem; do  # without dora=: no indicator line, no image without a file
    echo "234567m24p678s55z1z turn=4" | "$cli" "$c" | grep -Eq 'ドラ表示牌|SRC="(\.\./\.\./)?"' &&
        fail "$c without dora"
done

# Refusals: the message on standard error, no file, exit code 1.
if echo "129m1459p1459s112z" | "$cli" report --out "$work/Report.htm" 2>"$work/err"; then
    fail "report of a four-shanten hand succeeds"
fi
grep -q '4 向聴以上は計算時間がかかるので未対応です' "$work/err" || fail "report refusal message"
[ ! -e "$work/Report.htm" ] || fail "a refused report is written"
if echo "123m456p789s11z57z6z turn=3" | "$cli" dama --out "$work/Dama2.htm" 2>"$work/err"; then
    fail "dama of a hand that is not ready succeeds"
fi
grep -q '聴牌していません' "$work/err" || fail "dama refusal message"
[ ! -e "$work/Dama2.htm" ] || fail "a refused riichi page is written"
if echo "123m456p789s11z57z6z turn=3" | "$cli" report --depth 6 >/dev/null 2>&1; then
    fail "depth 6 is accepted"
fi
exit $failed
