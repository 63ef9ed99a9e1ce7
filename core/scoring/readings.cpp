#include "core/scoring/readings.h"

namespace mizaro {

namespace {

constexpr int kSets = 4;
constexpr int kTripletSize = 3;
constexpr int kPairSize = 2;
constexpr int kGroups = 4;  // the three suits and the honours
constexpr int kHonourGroup = 3;

constexpr int GroupOf(TileKind k) {
    return k / 9 < kHonourGroup ? k / 9 : kHonourGroup;
}

// The sets placed so far; small, so each level of the recursion keeps its own copy.
struct PartialSplit {
    std::array<std::array<int, 3>, kSets> melds{};
    int count = 0;
};

struct SplitContext {
    const AgariResult& base;
    TileKind pair;
    TileKind winTile;
    ReadingList& out;
};

void AppendWinPlaces(const SplitContext& ctx, const PartialSplit& split) {
    AgariResult r = ctx.base;
    r.melds = split.melds;
    r.pair = ctx.pair;
    r.meldCount = split.count;
    for (int i = 0; i < kSets; ++i) {
        for (int j = 0; j < 3; ++j) {
            if (split.melds[i][j] != ctx.winTile) continue;
            r.winMeld = i;
            r.winPos = j;
            ctx.out.Append(r);
            break;
        }
    }
    if (ctx.pair == ctx.winTile) {
        r.winMeld = kNoTile;
        r.winPos = kNoTile;
        ctx.out.Append(r);
    }
}

// Places the lowest remaining tile as a triplet, then as the start of a run. Every kind below
// `from` is already used up, so the scan resumes there.
void PlaceMelds(const SplitContext& ctx, PartialSplit split, TileCounts& h, TileKind from) {
    TileKind k = from;
    while (k < kKinds && h[k] == 0) ++k;
    if (split.count == kSets) {
        // A hand of more than fourteen tiles would leave some over: that is no reading.
        if (k == kKinds) AppendWinPlaces(ctx, split);
        return;
    }
    if (k == kKinds) return;

    if (h[k] >= kTripletSize) {
        h[k] -= kTripletSize;
        PartialSplit next = split;
        next.melds[next.count++] = {k, k, k};
        PlaceMelds(ctx, next, h, k);
        h[k] += kTripletSize;
    }
    if (IsSuited(k) && k % 9 <= 6 && h[k + 1] > 0 && h[k + 2] > 0) {
        --h[k], --h[k + 1], --h[k + 2];
        PartialSplit next = split;
        next.melds[next.count++] = {k, k + 1, k + 2};
        PlaceMelds(ctx, next, h, k);
        ++h[k], ++h[k + 1], ++h[k + 2];
    }
}

}  // namespace

void EnumerateRegular(const AgariResult& base, const TileCounts& hand, TileKind winTile,
                      ReadingList& out) {
    // Sets never cross a suit, so the pair sits in the one group (a suit, or the honours) whose
    // tile count leaves 2 over three; any other remainder means no split exists.
    std::array<int, kGroups> total{};
    for (TileKind k = 0; k < kKinds; ++k) total[GroupOf(k)] += hand[k];
    int pairGroup = -1;
    for (int g = 0; g < kGroups; ++g) {
        const int rest = total[g] % kTripletSize;
        if (rest == 0) continue;
        if (rest != kPairSize || pairGroup >= 0) return;
        pairGroup = g;
    }
    if (pairGroup < 0) return;

    TileCounts h = hand;
    const TileKind first = pairGroup * 9;
    const TileKind last = pairGroup == kHonourGroup ? kKinds : first + 9;
    for (TileKind p = first; p < last; ++p) {
        if (h[p] < kPairSize) continue;
        h[p] -= kPairSize;
        PlaceMelds({base, p, winTile, out}, PartialSplit{}, h, 0);
        h[p] += kPairSize;
    }
}

}  // namespace mizaro
