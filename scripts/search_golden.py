#!/usr/bin/env python3
"""Reference values of the discard search, to prove that a rework changes no result.

  scripts/search_golden.py positions CLI > tests/analysis/data/search_positions.txt
      Deals a fixed pseudo-random set of positions (seeded, so always the same lines): 40 for
      each shanten 0..3 and slack 0 and 1. CLI is a built mizaro-cli, used for the shanten.
  scripts/search_golden.py values CLI < POSITIONS > VALUES
      Every position through `mizaro-cli analyze --turns --json`, without the timing, one
      JSON line each. Doubles print with enough digits to read back exactly, so two VALUES
      files are equal exactly when every value is bit for bit the same.

The unit tests rerun a quick part of them: the first three rounds of eight without their
last line (the slow three-shanten slack 1 bucket). They were recorded with
  D=tests/analysis/data; head -24 $D/search_positions.txt | awk 'NR % 8' \
      > $D/search_golden_positions.txt
  scripts/search_golden.py values CLI < $D/search_golden_positions.txt > $D/search_golden.jsonl
To check the whole set, run `values` on search_positions.txt with the build before a change
and with the build after it, and compare the two outputs.
"""
import re
import subprocess
import sys

SEED = 0x5EA4C4
PER_BUCKET = 40
SUITS = "mpsz"


class XorShift:
    """xorshift64*, spelled out so the positions do not depend on Python's generator."""

    def __init__(self, seed):
        self.state = seed

    def next(self):
        x = self.state
        x ^= x >> 12
        x ^= (x << 25) & 0xFFFFFFFFFFFFFFFF
        x ^= x >> 27
        self.state = x
        return (x * 0x2545F4914F6CDD1D) & 0xFFFFFFFFFFFFFFFF

    def below(self, n):
        return (self.next() >> 33) % n


def tile_text(kind):
    return f"{kind % 9 + 1}{SUITS[kind // 9]}"


def hand_text(kinds):
    # Sorted tiles with the drawn one written last, grouped by suit.
    out = ""
    for suit in range(4):
        digits = "".join(str(k % 9 + 1) for k in sorted(kinds[:-1]) if k // 9 == suit)
        if digits:
            out += digits + SUITS[suit]
    return out + tile_text(kinds[-1])


def deal(rng):
    wall = [k for k in range(34) for _ in range(4)]
    picked = []
    for _ in range(14 + 1 + 8):  # the hand, the indicator, up to eight discards
        picked.append(wall.pop(rng.below(len(wall))))
    hand, indicator, spare = picked[:14], picked[14], picked[15:]
    turn = 1 + rng.below(12)
    discards = spare[: rng.below(min(turn, len(spare) + 1))]
    line = f"{hand_text(hand)} turn={turn} dora={tile_text(indicator)}"
    if discards:
        line += " discards=" + "".join(tile_text(k) for k in discards)
    return line, hand


def shanten_of(cli, hands):
    text = "".join("".join(tile_text(k) for k in h) + "\n" for h in hands)
    out = subprocess.run([cli, "shanten"], input=text, capture_output=True, text=True, check=True)
    return [int(line.split()[3]) for line in out.stdout.splitlines()]


def positions(cli):
    rng = XorShift(SEED)
    dealt = [deal(rng) for _ in range(300000)]
    counts = shanten_of(cli, [hand for _, hand in dealt])
    buckets = {(s, slack): [] for s in range(4) for slack in (0, 1)}
    for n, ((line, _), s) in enumerate(zip(dealt, counts)):
        if s > 3:
            continue
        slack = n % 2
        if len(buckets[(s, slack)]) < PER_BUCKET:
            buckets[(s, slack)].append(f"{line} slack={slack}" if slack else line)
    # Round robin over the buckets, the cheap ones first, so the first lines are quick.
    order = sorted(buckets, key=lambda b: (b[0] + 2 * b[1], b))
    for i in range(PER_BUCKET):
        for b in order:
            print(buckets[b][i])


def values(cli):
    lines = [l for l in sys.stdin.read().splitlines() if l.strip()]
    out = subprocess.run([cli, "analyze", "--turns", "--json"], input="\n".join(lines) + "\n",
                         capture_output=True, text=True, check=True)
    for line in out.stdout.splitlines():
        print(re.sub(r',"seconds":[^,}]*', "", line))


if __name__ == "__main__":
    if len(sys.argv) != 3 or sys.argv[1] not in ("positions", "values"):
        sys.exit(__doc__)
    {"positions": positions, "values": values}[sys.argv[1]](sys.argv[2])
