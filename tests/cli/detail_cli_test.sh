#!/bin/sh
# mizaro-cli detail on a log of games played with a fixed seed: the six lists in order, the
# same text on one thread and on two, and --out writes those bytes in code page 932 (in
# English, as they are).
set -eu
cli="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$cli" bench detail --games 300 --seed 5 --log "$work/games.log" > /dev/null
"$cli" detail "$work/games.log" > "$work/one.txt"
"$cli" detail "$work/games.log" --jobs 2 > "$work/two.txt"
cmp "$work/one.txt" "$work/two.txt"

heads=$(grep '^\[' "$work/one.txt" | tr '\n' ' ')
[ "$heads" = "[概要 1071] [概要 1072] [向聴数 1071] [和了点 1071] [牌 1071] [役 1071] " ] || {
    echo "list heads: $heads"; exit 1; }
grep -q "^局数	300	$" "$work/one.txt" || { echo "300 games expected"; exit 1; }

"$cli" detail "$work/games.log" --out "$work/out.txt"
iconv -f UTF-8 -t CP932 "$work/one.txt" | cmp - "$work/out.txt"
# In English --out writes the very UTF-8 text of standard output.
"$cli" detail "$work/games.log" --lang en > "$work/en.txt"
"$cli" detail "$work/games.log" --lang en --out "$work/en-out.txt"
cmp "$work/en.txt" "$work/en-out.txt"
grep -q "^Games	300	$" "$work/en.txt" || { echo "English lists expected"; exit 1; }

# A filter option overrides the settings file; the file's other values stay.
printf 'FilterKyoku\t10\nFilterReach1\t0\n' > "$work/QTW.ini"
"$cli" detail "$work/games.log" --settings "$work/QTW.ini" --kyoku 20 > "$work/filtered.txt"
grep -q "^局数	20	$" "$work/filtered.txt" || { echo "--kyoku must override"; exit 1; }
grep -q "^リーチ回数	0	$" "$work/filtered.txt" || { echo "FilterReach1 must apply"; exit 1; }

# Bad input is refused, not guessed.
if "$cli" detail "$work/games.log" --yaku 0101 2> /dev/null; then exit 1; fi
if "$cli" detail "$work/missing.log" 2> /dev/null; then exit 1; fi
echo ok
