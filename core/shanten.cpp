#include "core/shanten.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstdint>
#include <vector>

#include "core/shanten_parts.h"
#include "core/shanten_table.h"

namespace mizaro {

namespace shanten_parts {

namespace {

constexpr int kCandidateReach = 2;  // a drawn tile can join a held one within distance 2

constexpr TileKind kKokushiKindList[kKokushiKinds] = {0,  8,  9,  17, 18, 26, 27,
                                                      28, 29, 30, 31, 32, 33};

// The facts of the honours as two parts, the first four kinds and the last three, whose words
// add up to the whole's: two tables of a few kilobytes, made in microseconds on first use.
constexpr int kLowHonours = 3;
constexpr std::uint32_t kLowHonourPatterns = 125;  // 5^3

HonourFacts FactsOfHonours(std::uint32_t index, int first, int kinds) {
    std::uint32_t pairBits = 0, held = 0, triples = 0, lonePairs = 0, fours = 0, tiles = 0;
    for (int i = first + kinds - 1; i >= first; --i, index /= 5) {
        const std::uint32_t c = index % 5;
        pairBits |= static_cast<std::uint32_t>(c >= 2) << i;
        held += c >= 1;
        triples += c >= 3;
        lonePairs += c == 2;
        fours += c == 4;
        tiles += c;
    }
    return {pairBits << HonourFacts::kPairBits | held << HonourFacts::kKinds |
            triples << HonourFacts::kTriples | lonePairs << HonourFacts::kLonePairs |
            fours << HonourFacts::kFours | tiles << HonourFacts::kTiles};
}

template <int kFirst, int kKindsOfPart>
const std::vector<HonourFacts>& HonourPartTable() {
    static const std::vector<HonourFacts> table = [] {
        std::uint32_t patterns = 1;
        for (int i = 0; i < kKindsOfPart; ++i) patterns *= 5;
        std::vector<HonourFacts> facts(patterns);
        for (std::uint32_t index = 0; index < patterns; ++index)
            facts[index] = FactsOfHonours(index, kFirst, kKindsOfPart);
        return facts;
    }();
    return table;
}

// The counts the forms need, from the facts already read and the suits' tile count.
void Summarise(HandScan& h, int suitTiles) {
    h.tiles = suitTiles;
    h.kinds = h.orphans = 0;
    h.orphanPair = false;
    std::uint32_t suitPairBits = 0;  // the three suits' pair places side by side
    for (int s = 0; s < kSuits; ++s) {
        h.kinds += h.suit[s].Kinds();
        h.orphans += h.suit[s].Ends();
        h.orphanPair = h.orphanPair || h.suit[s].EndPair();
        suitPairBits |= h.suit[s].PairBits() << (s * kSuitLength);
    }
    const HonourFacts honours = h.honours;
    h.tiles += honours.Tiles();
    h.kinds += honours.Kinds();
    h.pairs = BitCount(suitPairBits) + honours.Pairs();
    h.orphans += honours.Kinds();
    h.orphanPair = h.orphanPair || honours.Pairs() > 0;
    h.honourTriples = honours.Triples();
    h.honourPairs = honours.LonePairs();
    h.honourPairBits = honours.PairBits();
}

}  // namespace

HonourFacts HonourFactsOf(std::uint32_t index) {
    constexpr int kHighHonours = kHonourKinds - kLowHonours;
    return {HonourPartTable<0, kHighHonours>()[index / kLowHonourPatterns].word +
            HonourPartTable<kHighHonours, kLowHonours>()[index % kLowHonourPatterns].word};
}

HandScan Scan(const TileCounts& hand, const ShantenTable& table) {
    HandScan h;
    int suitTiles = 0;
    for (int s = 0; s < kSuits; ++s) {
        // The first five places and the last four apart, as the facts are kept.
        std::uint32_t halves[2] = {0, 0};
        for (int i = 0; i < kSuitLength; ++i) {
            int c = hand[s * kSuitLength + i];
            assert(c >= 0 && c <= kMaxTilesOfKind);
            std::uint32_t& half = halves[i < ShantenTable::kHighPlaces ? 0 : 1];
            half = half * 5 + static_cast<std::uint32_t>(c);
        }
        h.pattern[s] = halves[0] * ShantenTable::kLowPatterns + halves[1];
        h.suit[s] = table.FactsOf(halves[0], halves[1]);
        h.suitClass[s] = table.ClassOf(h.pattern[s]);
        suitTiles += h.suit[s].Tiles();
    }
    for (int i = 0; i < kHonourKinds; ++i) {
        int c = hand[kFirstHonour + i];
        assert(c >= 0 && c <= kMaxTilesOfKind);
        h.honourIndex = h.honourIndex * 5 + static_cast<std::uint32_t>(c);
    }
    h.honours = HonourFactsOf(h.honourIndex);
    Summarise(h, suitTiles);
    return h;
}

// The base-5 place of honour kind k in the honour index: the first honour is the most
// significant digit.
std::uint32_t HonourPlace(TileKind k) {
    std::uint32_t place = 1;
    for (int i = kKinds - 1; i > k; --i) place *= 5;
    return place;
}

HandScan ScanChanged(const HandScan& full, TileKind k, int delta, const ShantenTable& table) {
    HandScan h = full;
    const int suited = k < kFirstHonour ? delta : 0;
    if (k < kFirstHonour) {
        const int s = k / kSuitLength;
        h.pattern[s] += static_cast<std::uint32_t>(delta) * kPatternPlace[k % kSuitLength];
        h.suit[s] = table.FactsOf(h.pattern[s]);
        h.suitClass[s] = table.ClassOf(h.pattern[s]);
    } else {
        h.honourIndex += static_cast<std::uint32_t>(delta) * HonourPlace(k);
        h.honours = HonourFactsOf(h.honourIndex);
    }
    Summarise(h, full.tiles - full.honours.Tiles() + suited);
    return h;
}

namespace {

// The value without a pair of the suits as held but `pairSuit`, whose staircase is `pairSuitPlain`
// (-1: none) and the honours' staircase `honours`.
int PlainValue(const HandScan& h, const ShantenTable& table, int pairSuit,
               const Stairs& pairSuitPlain, const Stairs& honours) {
    Stairs all = honours;
    for (int s = 0; s < kSuits; ++s)
        all = Product(all, s == pairSuit ? pairSuitPlain : table.ClassState(h.suitClass[s]).plain);
    return kNoPairBest - mizaro::Reach(all);
}

// The regular value as the rules take it: every pair place in kind order, each lowering the
// best, until the best equals the target. Needed only when the best lies below the target,
// which hands of 13 and 14 tiles never reach with the generated table: the order of the places
// then decides.
[[gnu::noinline, gnu::cold]] int OrderedRegular(const HandScan& h, const TileCounts& hand,
                                                const ShantenTable& table) {
    const int target = kCompleteTiles - 1 - h.tiles;
    const Stairs honours = HonourState(h.honours.State()).plain;
    int best = kNoPairBest;
    for (int s = 0; s < kSuits; ++s) {
        for (std::uint32_t bits = h.suit[s].PairBits(); bits != 0; bits &= bits - 1) {
            const std::uint32_t rest = h.pattern[s] - 2 * kPatternPlace[std::countr_zero(bits)];
            best = std::min(
                best,
                PlainValue(h, table, s, table.ClassState(table.ClassOf(rest)).plain, honours) - 1);
            if (best == target) return best;
        }
    }
    for (std::uint32_t bits = h.honourPairBits; bits != 0; bits &= bits - 1) {
        const Groups rest =
            HonourRest(h.honourTriples, h.honourPairs, hand[kFirstHonour + std::countr_zero(bits)]);
        Stairs restStairs = kNoStairs;
        AddArrangement(restStairs, rest & kSetsMask, (rest >> kWeightShift) - (rest & kSetsMask));
        best = std::min(best, PlainValue(h, table, -1, kNoStairs, restStairs) - 1);
        if (best == target) return best;
    }
    return std::min(best, PlainValue(h, table, -1, kNoStairs, honours));
}

}  // namespace

// The best over every pair place and none, from the classes; the early stop of the rules
// changes nothing unless that best lies below the target.
int Regular(const HandScan& h, const TileCounts& hand, const ShantenTable& table) {
    const int value = table.Regular(h.suitClass, h.honours.State());
    if (value >= kCompleteTiles - 1 - h.tiles) return value;
    return OrderedRegular(h, hand, table);
}

Candidates CandidatesOf(const HandScan& h, const TileCounts& hand, int regular) {
    Candidates out;
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

}  // namespace shanten_parts

using namespace shanten_parts;

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
    const ShantenTable& table = ProcessShantenTable();
    const HandScan h = Scan(hand, table);
    return CandidatesOf(h, hand, Regular(h, hand, table));
}

}  // namespace mizaro
