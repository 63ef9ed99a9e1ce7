#include "core/shanten.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstdint>

#include "core/shanten_table.h"

namespace mizaro {

namespace {

constexpr int kSuits = 3;
constexpr TileKind kFirstHonour = 27;
constexpr int kMaxTilesOfKind = 4;
constexpr int kNoPairBest = 8;  // the worst regular value: nothing but unrelated tiles
constexpr int kGroupsBesidePair = 4;
constexpr int kCompleteTiles = 14;  // 13 - tiles is the best value a hand of that size can reach
constexpr int kKokushiKinds = 13;
constexpr int kChiitoiPairs = 7;
constexpr int kCandidateReach = 2;  // a drawn tile can join a held one within distance 2

constexpr TileKind kKokushiKindList[kKokushiKinds] = {0,  8,  9,  17, 18, 26, 27,
                                                      28, 29, 30, 31, 32, 33};

// Group counts packed as W << 8 | M, with W = 2*sets + partials and M = sets, so that one
// addition adds both; no hand comes near 256 in either field. The value of M sets and T
// partial sets is 8 - 2M - T, except that beyond four groups the partial sets stop counting
// (T becomes 4 - M): that is the larger of 8 - W and 4 - M.
using Groups = int;
constexpr int kWeightShift = 8;
constexpr int kSetsMask = 0xFF;

constexpr Groups Arrangement(int sets, int partials) {
    return (2 * sets + partials) << kWeightShift | sets;
}

constexpr int GroupValue(Groups g) {
    return std::max(kNoPairBest - (g >> kWeightShift), kGroupsBesidePair - (g & kSetsMask));
}

// The two arrangements of one suit.
struct SuitOptions {
    Groups first, second;
};

SuitOptions Options(PackedSuitSets p) {
    return {Arrangement(Sets1(p), Partials1(p)), Arrangement(Sets2(p), Partials2(p))};
}

// SetsValue: the best value over the 8 ways to pick one arrangement in each suit, with the
// honour groups added, at most 8. The options come by value: kept in registers, they spare the
// processor a reload of values it has just written.
int SetsValue(SuitOptions x, SuitOptions y, SuitOptions z, Groups honours) {
    const Groups a = x.first + honours, b = x.second + honours;
    const Groups two[4] = {a + y.first, a + y.second, b + y.first, b + y.second};
    int best = kNoPairBest;
    for (Groups g : two) {
        best = std::min(best, GroupValue(g + z.first));
        best = std::min(best, GroupValue(g + z.second));
    }
    return best;
}

// Everything the three forms need, gathered with one table read per suit and one short pass
// over the honours.
struct HandScan {
    std::uint32_t pattern[kSuits];  // base-5 index of each suit's counts
    SuitFacts suit[kSuits];
    int tiles = 0;
    int kinds = 0;    // kinds held at least once
    int pairs = 0;    // kinds held at least twice
    int orphans = 0;  // terminal-or-honour kinds held at least once
    bool orphanPair = false;
    int honourTriples = 0;             // honour kinds held 3 or 4 times
    int honourPairs = 0;               // honour kinds held exactly twice
    std::uint32_t honourPairBits = 0;  // bit i: honour kind 27 + i held at least twice
};

// Bits set in a word of at most 32 bits, without relying on a processor instruction.
constexpr int BitCount(std::uint32_t x) {
    x = x - (x >> 1 & 0x55555555u);
    x = (x & 0x33333333u) + (x >> 2 & 0x33333333u);
    x = (x + (x >> 4)) & 0x0F0F0F0Fu;
    return static_cast<int>(x * 0x01010101u >> 24);
}

HandScan Scan(const TileCounts& hand, const ShantenTable& table) {
    HandScan h;
    std::uint32_t suitPairBits = 0;  // the three suits' pair places side by side
    for (int s = 0; s < kSuits; ++s) {
        std::uint32_t pattern = 0;
        for (int i = 0; i < kSuitLength; ++i) {
            int c = hand[s * kSuitLength + i];
            assert(c >= 0 && c <= kMaxTilesOfKind);
            pattern = pattern * 5 + static_cast<std::uint32_t>(c);
            h.tiles += c;
        }
        h.pattern[s] = pattern;
        h.suit[s] = table.FactsOf(pattern);
        h.kinds += h.suit[s].Kinds();
        h.orphans += h.suit[s].Ends();
        h.orphanPair = h.orphanPair || h.suit[s].EndPair();
        suitPairBits |= h.suit[s].PairBits() << (s * kSuitLength);
    }
    h.pairs = BitCount(suitPairBits);
    for (int i = 0; i < kKinds - kFirstHonour; ++i) {
        int c = hand[kFirstHonour + i];
        assert(c >= 0 && c <= kMaxTilesOfKind);
        h.tiles += c;
        h.kinds += c >= 1;
        h.pairs += c >= 2;
        h.orphans += c >= 1;
        h.orphanPair = h.orphanPair || c >= 2;
        h.honourTriples += c >= 3;
        h.honourPairs += c == 2;
        h.honourPairBits |= static_cast<std::uint32_t>(c >= 2) << i;
    }
    return h;
}

int Regular(const HandScan& h, const TileCounts& hand, const ShantenTable& table) {
    SuitOptions suit[kSuits];
    for (int s = 0; s < kSuits; ++s) suit[s] = Options(h.suit[s].Sets());
    const Groups honours = Arrangement(h.honourTriples, h.honourPairs);
    const int target = kCompleteTiles - 1 - h.tiles;

    // Every possible pair comes out in kind order and the rest is valued; the count stops as
    // soon as the best value a hand of this size can have is reached. Only the suit that gave
    // up the pair is looked up again.
    int best = kNoPairBest;
    for (int s = 0; s < kSuits; ++s) {
        for (std::uint32_t bits = h.suit[s].PairBits(); bits != 0; bits &= bits - 1) {
            int place = std::countr_zero(bits);
            SuitOptions rest[kSuits] = {suit[0], suit[1], suit[2]};
            rest[s] = Options(table.SuitSetsOf(h.pattern[s] - 2 * kPatternPlace[place]));
            best = std::min(best, SetsValue(rest[0], rest[1], rest[2], honours) - 1);
            if (best == target) return best;
        }
    }
    for (std::uint32_t bits = h.honourPairBits; bits != 0; bits &= bits - 1) {
        // The pair leaves nothing (2), a single (3) or a pair (4) behind.
        int c = hand[kFirstHonour + std::countr_zero(bits)];
        Groups rest = Arrangement(h.honourTriples - (c >= 3), h.honourPairs + (c == 4) - (c == 2));
        best = std::min(best, SetsValue(suit[0], suit[1], suit[2], rest) - 1);
        if (best == target) return best;
    }
    return std::min(best, SetsValue(suit[0], suit[1], suit[2], honours));
}

int Chiitoi(const HandScan& h) {
    int shanten = kChiitoiPairs - 1 - h.pairs;
    if (h.kinds < kChiitoiPairs) shanten += kChiitoiPairs - h.kinds;
    return shanten;
}

int Kokushi(const HandScan& h) {
    return kKokushiKinds - h.orphans - (h.orphanPair ? 1 : 0);
}

}  // namespace

int RegularShanten(const TileCounts& hand) {
    return RegularShanten(hand, ProcessShantenTable());
}

int RegularShanten(const TileCounts& hand, const ShantenTable& table) {
    return Regular(Scan(hand, table), hand, table);
}

int ChiitoiShanten(const TileCounts& hand, int* distinctKinds) {
    HandScan h = Scan(hand, ProcessShantenTable());
    if (distinctKinds) *distinctKinds = h.kinds;
    return Chiitoi(h);
}

int KokushiShanten(const TileCounts& hand) {
    return Kokushi(Scan(hand, ProcessShantenTable()));
}

ShantenResult ShantenForms(const TileCounts& hand) {
    const ShantenTable& table = ProcessShantenTable();
    const HandScan h = Scan(hand, table);
    ShantenResult r;
    r.regular = Regular(h, hand, table);
    r.chiitoi = Chiitoi(h);
    r.kokushi = Kokushi(h);
    r.min = std::min({r.regular, r.chiitoi, r.kokushi});
    return r;
}

int Shanten(const TileCounts& hand) {
    return ShantenForms(hand).min;
}

Candidates EffectiveCandidates(const TileCounts& hand) {
    Candidates out;
    const ShantenTable& table = ProcessShantenTable();
    const HandScan h = Scan(hand, table);
    const int regular = Regular(h, hand, table);
    const int chiitoi = Chiitoi(h);
    const int kokushi = Kokushi(h);
    out.shanten = std::min({regular, chiitoi, kokushi});

    if (kokushi == out.shanten) {
        for (TileKind k : kKokushiKindList) out.flags[k] = out.flags[k] || hand[k] <= 1;
    }
    if (chiitoi == out.shanten) {
        // Short of seven kinds any new kind helps; otherwise only a single can become a pair.
        for (TileKind k = 0; k < kKinds; ++k) {
            bool helps = h.kinds >= kChiitoiPairs ? hand[k] == 1 : hand[k] == 0;
            out.flags[k] = out.flags[k] || helps;
        }
    }
    if (regular == out.shanten) {
        for (TileKind k = 0; k < kFirstHonour; ++k) {
            if (hand[k] == 0) continue;
            int suitStart = k - k % kSuitLength;
            int from = std::max(suitStart, k - kCandidateReach);
            int to = std::min(suitStart + kSuitLength - 1, k + kCandidateReach);
            for (TileKind j = from; j <= to; ++j) out.flags[j] = true;
        }
        for (TileKind k = kFirstHonour; k < kKinds; ++k) out.flags[k] = out.flags[k] || hand[k] > 0;
    }
    return out;
}

}  // namespace mizaro
