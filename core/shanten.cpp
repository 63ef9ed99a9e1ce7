#include "core/shanten.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstdint>
#include <vector>

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
// addition adds both; no hand comes near 256 in either field.
//
// The value of M sets and T partial sets is 8 - 2M - T, except that beyond four groups the
// partial sets stop counting (T becomes 4 - M): that is max(8 - W, 4 - M) = 8 - min(W, M + 4).
// So the best value is 8 minus the largest "reach" min(W, M + 4), and the 4 is added once with
// the honours (kReachBase) so that each combination costs a shift, a mask and two comparisons.
using Groups = int;
constexpr int kWeightShift = 8;
constexpr int kSetsMask = 0xFF;
constexpr Groups kReachBase = kGroupsBesidePair;

constexpr Groups Arrangement(int sets, int partials) {
    return (2 * sets + partials) << kWeightShift | sets;
}

constexpr int Reach(Groups g) {
    return std::min(g >> kWeightShift, g & kSetsMask);
}

// The two arrangements of one suit.
struct SuitOptions {
    Groups first, second;
};

SuitOptions Options(PackedSuitSets p) {
    return {Arrangement(Sets1(p), Partials1(p)), Arrangement(Sets2(p), Partials2(p))};
}

// The four ways to combine the arrangements of two suits, plus `extra`.
struct FourSums {
    Groups sum[4];
};

FourSums Combine(SuitOptions a, SuitOptions b, Groups extra) {
    const Groups f = a.first + extra, s = a.second + extra;
    return {{f + b.first, f + b.second, s + b.first, s + b.second}};
}

// The best reach of either of `own`'s arrangements added to any of the `n` sums.
int BestReach(const Groups* sums, int n, SuitOptions own) {
    int reach = 0;
    for (int i = 0; i < n; ++i) {
        reach = std::max(reach, Reach(sums[i] + own.first));
        reach = std::max(reach, Reach(sums[i] + own.second));
    }
    return reach;
}

// SetsValue: the best value over the 8 ways to pick one arrangement in each suit, at most 8;
// `others` holds the other two suits' combinations with the honours and kReachBase added.
int SetsValue(const FourSums& others, SuitOptions own) {
    int reach = 0;
    for (Groups g : others.sum) {
        reach = std::max(reach, Reach(g + own.first));
        reach = std::max(reach, Reach(g + own.second));
    }
    return kNoPairBest - reach;
}

// Bits set in a word of at most 32 bits, without relying on a processor instruction.
constexpr int BitCount(std::uint32_t x) {
    x = x - (x >> 1 & 0x55555555u);
    x = (x & 0x33333333u) + (x >> 2 & 0x33333333u);
    x = (x + (x >> 4)) & 0x0F0F0F0Fu;
    return static_cast<int>(x * 0x01010101u >> 24);
}

// What the forms need of the seven honour counts, in one word read from a small table indexed
// by the counts in base 5, so that the honours cost one read as a suit does.
struct HonourFacts {
    std::uint32_t word = 0;

    static constexpr int kPairBits = 0, kKinds = 8, kTriples = 12, kLonePairs = 16, kPairs = 20,
                         kTiles = 24;

    int Field(int shift, std::uint32_t mask) const {
        return static_cast<int>(word >> shift & mask);
    }
    std::uint32_t PairBits() const { return word >> kPairBits & 0x7F; }  // bit i: 27 + i twice
    int Kinds() const { return Field(kKinds, 0xF); }
    int Triples() const { return Field(kTriples, 0xF); }      // held 3 or 4 times
    int LonePairs() const { return Field(kLonePairs, 0xF); }  // held exactly twice
    int Pairs() const { return Field(kPairs, 0xF); }          // held at least twice
    int Tiles() const { return Field(kTiles, 0xFF); }
};

constexpr int kHonourKinds = kKinds - kFirstHonour;
constexpr std::uint32_t kHonourPatterns = 78125;  // 5^7

const std::vector<HonourFacts>& HonourTable() {
    static const std::vector<HonourFacts> table = [] {
        std::vector<HonourFacts> facts(kHonourPatterns);
        for (std::uint32_t index = 0; index < kHonourPatterns; ++index) {
            std::uint32_t pairBits = 0, kinds = 0, triples = 0, lonePairs = 0, pairs = 0, tiles = 0;
            std::uint32_t rest = index;
            for (int i = kHonourKinds - 1; i >= 0; --i, rest /= 5) {
                std::uint32_t c = rest % 5;
                pairBits |= static_cast<std::uint32_t>(c >= 2) << i;
                kinds += c >= 1;
                triples += c >= 3;
                lonePairs += c == 2;
                pairs += c >= 2;
                tiles += c;
            }
            facts[index].word = pairBits << HonourFacts::kPairBits | kinds << HonourFacts::kKinds |
                                triples << HonourFacts::kTriples |
                                lonePairs << HonourFacts::kLonePairs |
                                pairs << HonourFacts::kPairs | tiles << HonourFacts::kTiles;
        }
        return facts;
    }();
    return table;
}

// Everything the three forms need, gathered with one table read per suit and one for the
// honours.
struct HandScan {
    std::uint32_t pattern[kSuits];  // base-5 index of each suit's counts
    SuitFacts suit[kSuits];
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

HandScan Scan(const TileCounts& hand, const ShantenTable& table) {
    HandScan h;
    int suitTiles = 0;
    for (int s = 0; s < kSuits; ++s) {
        std::uint32_t pattern = 0;
        for (int i = 0; i < kSuitLength; ++i) {
            int c = hand[s * kSuitLength + i];
            assert(c >= 0 && c <= kMaxTilesOfKind);
            pattern = pattern * 5 + static_cast<std::uint32_t>(c);
            suitTiles += c;
        }
        h.pattern[s] = pattern;
        h.suit[s] = table.FactsOf(pattern);
    }
    for (int i = 0; i < kHonourKinds; ++i) {
        int c = hand[kFirstHonour + i];
        assert(c >= 0 && c <= kMaxTilesOfKind);
        h.honourIndex = h.honourIndex * 5 + static_cast<std::uint32_t>(c);
    }
    h.honours = HonourTable()[h.honourIndex];
    Summarise(h, suitTiles);
    return h;
}

// The scan of the hand less one tile of kind k: only the suit (or the honours) of k is read
// again.
HandScan ScanWithout(const HandScan& full, TileKind k, const ShantenTable& table) {
    HandScan h = full;
    if (k < kFirstHonour) {
        const int s = k / kSuitLength;
        h.pattern[s] -= kPatternPlace[k % kSuitLength];
        h.suit[s] = table.FactsOf(h.pattern[s]);
    } else {
        std::uint32_t place = 1;  // the first honour is the most significant base-5 digit
        for (int i = kKinds - 1; i > k; --i) place *= 5;
        h.honourIndex -= place;
        h.honours = HonourTable()[h.honourIndex];
    }
    Summarise(h, full.tiles - full.honours.Tiles() - (k < kFirstHonour ? 1 : 0));
    return h;
}

int Regular(const HandScan& h, const TileCounts& hand, const ShantenTable& table) {
    SuitOptions suit[kSuits];
    for (int s = 0; s < kSuits; ++s) suit[s] = Options(h.suit[s].Sets());
    const Groups honours = Arrangement(h.honourTriples, h.honourPairs) + kReachBase;
    FourSums others[kSuits];
    for (int s = 0; s < kSuits; ++s)
        others[s] = Combine(suit[(s + 1) % kSuits], suit[(s + 2) % kSuits], honours);
    const int target = kCompleteTiles - 1 - h.tiles;

    // Every possible pair comes out in kind order and the rest is valued; the count stops as
    // soon as the best value a hand of this size can have is reached. Only the suit that gave
    // up the pair is looked up again.
    int best = kNoPairBest;
    for (int s = 0; s < kSuits; ++s) {
        for (std::uint32_t bits = h.suit[s].PairBits(); bits != 0; bits &= bits - 1) {
            int place = std::countr_zero(bits);
            SuitOptions rest = Options(table.SuitSetsOf(h.pattern[s] - 2 * kPatternPlace[place]));
            best = std::min(best, SetsValue(others[s], rest) - 1);
            if (best == target) return best;
        }
    }
    for (std::uint32_t bits = h.honourPairBits; bits != 0; bits &= bits - 1) {
        // The pair leaves nothing (2), a single (3) or a pair (4) behind.
        int c = hand[kFirstHonour + std::countr_zero(bits)];
        Groups rest = Arrangement(h.honourTriples - (c >= 3), h.honourPairs + (c == 4) - (c == 2));
        best = std::min(best, SetsValue(Combine(suit[0], suit[1], rest + kReachBase), suit[2]) - 1);
        if (best == target) return best;
    }
    return std::min(best, SetsValue(others[2], suit[2]));
}

int Chiitoi(int pairs, int kinds) {
    int shanten = kChiitoiPairs - 1 - pairs;
    if (kinds < kChiitoiPairs) shanten += kChiitoiPairs - kinds;
    return shanten;
}

int Chiitoi(const HandScan& h) {
    return Chiitoi(h.pairs, h.kinds);
}

int Kokushi(int orphans, bool orphanPair) {
    return kKokushiKinds - orphans - (orphanPair ? 1 : 0);
}

int Kokushi(const HandScan& h) {
    return Kokushi(h.orphans, h.orphanPair);
}

// The counts of a hand in which only the tiles of one suit change, as when a tile of that suit
// is drawn or discarded. Everything outside the suit is combined once: each changed hand then
// costs a read of the suit's new pattern (and one per pair place in it) and a few comparisons,
// while its other suits' pair places are already folded into `pairSums_`.
//
// Regular values its pair places in kind order and stops once the running best equals the
// target; without regard to order, that is the smallest pair value whenever no pair place
// values below the target (never with the generated table and 13 or 14 tiles). Otherwise the
// order decides and the hand is counted in full.
class SuitChange {
  public:
    // The hand holds at most kCompleteTiles tiles, so at most seven pair places outside the suit.
    static constexpr int kMaxPairSums = 4 * kCompleteTiles / 2;

    SuitChange() = default;
    SuitChange(const HandScan& base, const TileCounts& hand, int suit, const ShantenTable& table)
        : table_(&table) {
        const Groups honours = Arrangement(base.honourTriples, base.honourPairs) + kReachBase;
        SuitOptions options[kSuits];
        for (int s = 0; s < kSuits; ++s) options[s] = Options(base.suit[s].Sets());
        const int a = (suit + 1) % kSuits, b = (suit + 2) % kSuits;
        others_ = Combine(options[a], options[b], honours);
        // A pair in another suit, with the third suit beside it.
        for (int t : {a, b}) {
            const SuitOptions third = options[t == a ? b : a];
            for (std::uint32_t bits = base.suit[t].PairBits(); bits != 0; bits &= bits - 1) {
                const std::uint32_t rest =
                    base.pattern[t] - 2 * kPatternPlace[std::countr_zero(bits)];
                AddPairSums(Combine(Options(table.SuitSetsOf(rest)), third, honours));
            }
        }
        for (std::uint32_t bits = base.honourPairBits; bits != 0; bits &= bits - 1) {
            int c = hand[kFirstHonour + std::countr_zero(bits)];
            Groups rest =
                Arrangement(base.honourTriples - (c >= 3), base.honourPairs + (c == 4) - (c == 2));
            AddPairSums(Combine(options[a], options[b], rest + kReachBase));
        }
        const SuitFacts own = base.suit[suit];
        kinds_ = base.kinds - own.Kinds();
        pairs_ = base.pairs - std::popcount(own.PairBits());
        orphans_ = base.orphans - own.Ends();
        orphanPair_ = base.honours.Pairs() > 0 || base.suit[a].EndPair() || base.suit[b].EndPair();
    }

    // The shanten of the hand whose suit holds `pattern` (base-5 index), `tiles` tiles in all;
    // `hand` is that hand, read only when the order of the pair places decides.
    int Min(std::uint32_t pattern, int tiles, const TileCounts& hand) const {
        const SuitFacts facts = table_->FactsOf(pattern);
        const SuitOptions own = Options(facts.Sets());
        const std::uint32_t pairBits = facts.PairBits();
        int regular = SetsValue(others_, own);
        if (pairSumCount_ > 0 || pairBits != 0) {
            int pairBest = kNoPairBest;
            if (pairSumCount_ > 0)
                pairBest = kNoPairBest - 1 - BestReach(pairSums_.data(), pairSumCount_, own);
            for (std::uint32_t bits = pairBits; bits != 0; bits &= bits - 1) {
                const std::uint32_t rest = pattern - 2 * kPatternPlace[std::countr_zero(bits)];
                pairBest =
                    std::min(pairBest, SetsValue(others_, Options(table_->SuitSetsOf(rest))) - 1);
            }
            const int target = kCompleteTiles - 1 - tiles;
            if (pairBest > target) {
                regular = std::min(regular, pairBest);
            } else if (pairBest == target) {
                regular = target;
            } else {
                regular = Regular(Scan(hand, *table_), hand, *table_);
            }
        }
        const int chiitoi = Chiitoi(pairs_ + std::popcount(pairBits), kinds_ + facts.Kinds());
        const int kokushi = Kokushi(orphans_ + facts.Ends(), orphanPair_ || facts.EndPair());
        return std::min({regular, chiitoi, kokushi});
    }

  private:
    // Keeps `sums` but for those another kept sum matches or beats in both fields.
    void AddPairSums(const FourSums& sums) {
        for (Groups g : sums.sum) {
            bool beaten = false;
            for (int i = 0; i < pairSumCount_ && !beaten; ++i) beaten = Covers(pairSums_[i], g);
            if (beaten) continue;
            int kept = 0;
            for (int i = 0; i < pairSumCount_; ++i)
                if (!Covers(g, pairSums_[i])) pairSums_[kept++] = pairSums_[i];
            assert(kept < kMaxPairSums);
            pairSums_[kept++] = g;
            pairSumCount_ = kept;
        }
    }

    static bool Covers(Groups a, Groups b) {
        return (a >> kWeightShift) >= (b >> kWeightShift) && (a & kSetsMask) >= (b & kSetsMask);
    }

    const ShantenTable* table_ = nullptr;
    FourSums others_{};
    std::array<Groups, kMaxPairSums> pairSums_{};
    int pairSumCount_ = 0;
    // The other forms' counts outside the suit.
    int kinds_ = 0, pairs_ = 0, orphans_ = 0;
    bool orphanPair_ = false;
};

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

void ShantenOfDiscards(const TileCounts& hand, TileKind skip, std::array<int, kKinds>& without) {
    ShantenOfDiscards(hand, skip, without, ProcessShantenTable());
}

void ShantenOfDiscards(const TileCounts& hand, TileKind skip, std::array<int, kKinds>& without,
                       const ShantenTable& table) {
    const HandScan full = Scan(hand, table);
    // A suit's changes share one SuitChange, made when its first discard comes.
    SuitChange changes[kSuits];
    bool made[kSuits] = {};
    const bool small = full.tiles <= kCompleteTiles;
    TileCounts less = hand;
    for (TileKind k = 0; k < kKinds; ++k) {
        if (k == skip || hand[k] < 1) continue;
        --less[k];
        if (k < kFirstHonour && small) {
            const int s = k / kSuitLength;
            if (!made[s]) changes[s] = SuitChange(full, hand, s, table), made[s] = true;
            without[k] = changes[s].Min(full.pattern[s] - kPatternPlace[k % kSuitLength],
                                        full.tiles - 1, less);
        } else {
            const HandScan h = ScanWithout(full, k, table);
            without[k] = std::min({Regular(h, less, table), Chiitoi(h), Kokushi(h)});
        }
        ++less[k];
    }
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
