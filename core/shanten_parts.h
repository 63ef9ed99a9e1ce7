// The parts of the shanten count, for core/shanten*.cpp only: a hand is read as three suits and
// the honours, each part a class and a word of facts read from tables, and the three forms are
// combined from those.
// The single count (core/shanten.cpp) combines all four parts; the counts of changed hands
// (core/shanten_change.cpp) combine everything outside the one or two parts that change once,
// and each changed hand with it.
#pragma once

#include <algorithm>
#include <cassert>
#include <cstdint>

#include "core/shanten_classes.h"
#include "core/shanten_table.h"
#include "core/tile.h"

namespace mizaro {
struct Candidates;
}

namespace mizaro::shanten_parts {

inline constexpr int kSuits = 3;
inline constexpr int kHonourPart = kSuits;  // the part index of the honours
inline constexpr int kParts = kSuits + 1;
inline constexpr TileKind kFirstHonour = 27;
inline constexpr int kHonourKinds = kKinds - kFirstHonour;
inline constexpr int kMaxTilesOfKind = 4;
inline constexpr int kNoPairBest = 8;  // the worst regular value: nothing but unrelated tiles
inline constexpr int kGroupsBesidePair = 4;
// 13 - tiles is the best value a hand of that size can reach.
inline constexpr int kCompleteTiles = 14;
inline constexpr int kKokushiKinds = 13;
inline constexpr int kChiitoiPairs = 7;

// The index of each pair of distinct parts, among kPartPairCount.
inline constexpr int kPartPairCount = 6;
inline constexpr int kPartPairs[kParts][kParts] = {
    {-1, 0, 1, 2}, {0, -1, 3, 4}, {1, 3, -1, 5}, {2, 4, 5, -1}};

constexpr int PartOf(TileKind k) {
    return k < kFirstHonour ? k / kSuitLength : kHonourPart;
}

// Group counts packed as W << 8 | M, with W = 2*sets + partials and M = sets, so that one
// addition adds both; no hand comes near 256 in either field. A class's corner of S sets and g
// groups is the arrangement of S sets and g - S partial sets.
//
// The value of M sets and T partial sets is 8 - 2M - T, except that beyond four groups the
// partial sets stop counting (T becomes 4 - M): that is max(8 - W, 4 - M) = 8 - min(W, M + 4).
// So the best value is 8 minus the largest "reach" min(W, M + 4), and the 4 is added once with
// the honours (kReachBase) so that each combination costs a shift, a mask and two comparisons.
using Groups = int;
inline constexpr int kWeightShift = 8;
inline constexpr int kSetsMask = 0xFF;
inline constexpr Groups kReachBase = kGroupsBesidePair;

constexpr Groups Arrangement(int sets, int partials) {
    return (2 * sets + partials) << kWeightShift | sets;
}

constexpr int Reach(Groups g) {
    return std::min(g >> kWeightShift, g & kSetsMask);
}

// The two arrangements of one suit. Nearly every pattern has one arrangement that is best both
// ways, so the two are mostly the same and the combinations below skip the repeat.
struct SuitOptions {
    Groups first, second;

    bool Single() const { return first == second; }
};

// Each corner of a staircase (core/shanten_classes.h) as an arrangement of its sets and groups:
// alike to the arrangements it stands for in every combination below, and at most five.
struct Corners {
    Groups groups[kGroupSteps];
    int count = 0;
};

inline Corners CornersOf(const Stairs& stairs) {
    Corners out;
    for (int g = 0; g < kGroupSteps && stairs[g] != kNoArrangement; ++g) {
        if (g + 1 < kGroupSteps && stairs[g + 1] == stairs[g]) continue;
        out.groups[out.count++] = (stairs[g] + g) << kWeightShift | stairs[g];
    }
    return out;
}

// A suit class's own arrangements, of which there are at most two.
inline SuitOptions Options(const PartState& state) {
    const Corners corners = CornersOf(state.plain);
    return {corners.groups[0], corners.groups[corners.count - 1]};
}

// The ways to combine the arrangements of two suits, without the repeats of a suit whose two
// arrangements agree: one sum for most pairs of suits, at most four.
struct Sums {
    Groups sum[4];
    int count = 0;
};

inline Sums Combine(SuitOptions a, SuitOptions b, Groups extra) {
    Sums out;
    const Groups f = a.first + extra, s = a.second + extra;
    out.sum[out.count++] = f + b.first;
    if (!b.Single()) out.sum[out.count++] = f + b.second;
    if (!a.Single()) {
        out.sum[out.count++] = s + b.first;
        if (!b.Single()) out.sum[out.count++] = s + b.second;
    }
    return out;
}

// The best reach of `own` added to any of the `n` sums, n >= 1: mostly a single sum.
inline int BestReach(const Groups* sums, int n, Groups own) {
    assert(n >= 1);
    int reach = Reach(sums[0] + own);
    for (int i = 1; i < n; ++i) reach = std::max(reach, Reach(sums[i] + own));
    return reach;
}

// The same for either of two arrangements.
inline int BestReach(const Groups* sums, int n, SuitOptions own) {
    if (own.Single()) return BestReach(sums, n, own.first);
    return std::max(BestReach(sums, n, own.first), BestReach(sums, n, own.second));
}

// SetsValue: the best value over the ways to pick one arrangement in each suit, at most 8;
// `others` holds the other two suits' combinations with the honours and kReachBase added.
inline int SetsValue(const Sums& others, SuitOptions own) {
    return kNoPairBest - BestReach(others.sum, others.count, own);
}

// Bits set in a word of at most 32 bits, without relying on a processor instruction.
constexpr int BitCount(std::uint32_t x) {
    x = x - (x >> 1 & 0x55555555u);
    x = (x & 0x33333333u) + (x >> 2 & 0x33333333u);
    x = (x + (x >> 4)) & 0x0F0F0F0Fu;
    return static_cast<int>(x * 0x01010101u >> 24);
}

// What the forms need of the seven honour counts, in one word read from small tables indexed
// by the counts in base 5, so that the honours cost a read or two as a suit does. The fields
// add up over disjoint sets of kinds.
struct HonourFacts {
    std::uint32_t word = 0;

    static constexpr int kPairBits = 0, kKinds = 8, kTriples = 12, kLonePairs = 16, kFours = 20,
                         kTiles = 24;

    int Field(int shift, std::uint32_t mask) const {
        return static_cast<int>(word >> shift & mask);
    }
    std::uint32_t PairBits() const { return word >> kPairBits & 0x7F; }  // bit i: 27 + i twice
    int Kinds() const { return Field(kKinds, 0xF); }
    int Triples() const { return Field(kTriples, 0xF); }      // held 3 or 4 times
    int LonePairs() const { return Field(kLonePairs, 0xF); }  // held exactly twice
    int Pairs() const { return Triples() + LonePairs(); }     // held at least twice
    int Fours() const { return Field(kFours, 0xF); }          // held 4 times
    int State() const { return HonourStateId(Triples(), LonePairs(), Fours() > 0); }
    int Tiles() const { return Field(kTiles, 0xFF); }
};

// The facts of the honour counts whose base-5 index is `index` (the first honour most
// significant).
HonourFacts HonourFactsOf(std::uint32_t index);

// The base-5 place of honour kind k in that index.
std::uint32_t HonourPlace(TileKind k);

// The honours' arrangement once a pair is set aside from a kind held `c` times: the pair leaves
// nothing (2), a single (3) or a pair (4) behind.
constexpr Groups HonourRest(int triples, int lonePairs, int c) {
    return Arrangement(triples - (c >= 3), lonePairs + (c == 4) - (c == 2));
}

// Everything the three forms need, gathered with one table read per suit and one for the
// honours.
struct HandScan {
    std::uint32_t pattern[kSuits];  // base-5 index of each suit's counts
    SuitFacts suit[kSuits];
    std::uint32_t suitClass[kSuits];
    std::uint32_t honourIndex = 0;  // base-5 index of the honour counts
    HonourFacts honours;
    int tiles = 0;
    int kinds = 0;    // kinds held at least once
    int pairs = 0;    // kinds held at least twice
    int orphans = 0;  // terminal-or-honour kinds held at least once
    bool orphanPair = false;
    int honourTriples = 0;             // honour kinds held 3 or 4 times
    int honourPairs = 0;               // honour kinds held exactly twice
    std::uint32_t honourPairBits = 0;  // bit i: honour kind 27 + i held at least twice
};

HandScan Scan(const TileCounts& hand, const ShantenTable& table);
// The scan of the hand with `delta` (+1 or -1) tiles of kind k: only the part of k is read
// again.
HandScan ScanChanged(const HandScan& full, TileKind k, int delta, const ShantenTable& table);

// The regular form's value: every pair place in kind order, then no pair, stopping once the
// best a hand of its size can reach is found.
int Regular(const HandScan& h, const TileCounts& hand, const ShantenTable& table);

constexpr int Chiitoi(int pairs, int kinds) {
    return kChiitoiPairs - 1 - pairs + (kinds < kChiitoiPairs ? kChiitoiPairs - kinds : 0);
}

constexpr int Kokushi(int orphans, bool orphanPair) {
    return kKokushiKinds - orphans - (orphanPair ? 1 : 0);
}

inline int Chiitoi(const HandScan& h) {
    return Chiitoi(h.pairs, h.kinds);
}

inline int Kokushi(const HandScan& h) {
    return Kokushi(h.orphans, h.orphanPair);
}

// The candidates of a hand from its scan and its regular value.
Candidates CandidatesOf(const HandScan& h, const TileCounts& hand, int regular);

// A hand given as a base with at most one tile added and one removed, so that a changed hand
// is written out only in the rare case that needs it.
struct HandEdit {
    const TileCounts* base;
    TileKind added = kNoTile;
    TileKind removed = kNoTile;

    int Count(TileKind k) const { return (*base)[k] + (k == added) - (k == removed); }
    TileCounts Build() const;
};

// The largest lists a hand of kCompleteTiles tiles can give: at most seven pair places, each
// leaving at most two arrangements.
inline constexpr int kMaxPairPlaces = kCompleteTiles / 2;
inline constexpr int kMaxRests = 2 * kMaxPairPlaces;

// Adds `sums` to `list` (`count` long, room for `capacity`), keeping only the sums no other
// matches or beats in both fields, since only the best reach over them is asked for.
void AddUncovered(Groups* list, int& count, int capacity, const Groups* sums, int n);

// One part (a suit or the honours) of a hand, read once to be combined with many others: its
// arrangements, those left once each of its pairs is set aside (none beaten by another), and
// what the other forms need of it.
struct PartView {
    SuitOptions own{};  // the honours' single arrangement twice
    Groups rests[kMaxRests];
    int restCount = 0;
    int kinds = 0, pairs = 0, orphans = 0;
    bool orphanPair = false;
};

// The view of a suit held as `pattern`.
PartView SuitView(std::uint32_t pattern, const ShantenTable& table);
// The view of the honours held as `honourIndex`, whose counts `hand` gives.
PartView HonourView(std::uint32_t honourIndex, const HandEdit& hand);

// What lies outside the one or two parts of a hand that change, as when a tile is drawn or
// discarded, combined once from the other parts' views: the sums of their arrangements without
// a pair and with a pair in one of them (the base of the reach included), and their counts for
// the other forms. Each changed hand then costs a read of its changed part at most, and a few
// comparisons. Made in place, since the object is large; the hands hold at most kCompleteTiles
// tiles.
class Outside {
  public:
    // Combines the views of the `n` parts that do not change (two or three).
    void Make(const PartView* const* parts, int n);

    // One part changes: the shanten of the hand whose suit (the changing part) is held as
    // `pattern`, or whose honours are held as `honourIndex`, with `tiles` tiles in all; `hand`
    // is that hand, written out only when the order of the pair places decides.
    int SuitMin(std::uint32_t pattern, int tiles, const HandEdit& hand,
                const ShantenTable& table) const;
    int HonourMin(std::uint32_t honourIndex, int tiles, const HandEdit& hand,
                  const ShantenTable& table) const;
    // Two parts change, read already.
    int Min(const PartView& a, const PartView& b, int tiles, const HandEdit& hand,
            const ShantenTable& table) const;

  private:
    // Every pair place outside leaves at most two arrangements beside at most four sums.
    static constexpr int kMaxPairSums = 4 * kMaxRests;

    // The best reach with the pair outside, beside the changing parts' sums; -1 without one.
    int PairSumsReach(SuitOptions own) const;
    int Settle(int noPairReach, int pairReach, int tiles, int kinds, int pairs, int orphans,
               bool orphanPair, const HandEdit& hand, const ShantenTable& table) const;

    Groups noPair_[8];
    int noPairCount_ = 0;
    Groups pairSums_[kMaxPairSums];
    int pairSumCount_ = 0;
    int kinds_ = 0, pairs_ = 0, orphans_ = 0;
    bool orphanPair_ = false;
};

}  // namespace mizaro::shanten_parts
