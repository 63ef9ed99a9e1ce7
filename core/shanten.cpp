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

// The best reach of `own` added to any of the `n` sums.
int BestReach(const Groups* sums, int n, Groups own) {
    int reach = 0;
    for (int i = 0; i < n; ++i) reach = std::max(reach, Reach(sums[i] + own));
    return reach;
}

// The same for either of two arrangements.
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

// The base-5 place of honour kind k in the honour index: the first honour is the most
// significant digit.
std::uint32_t HonourPlace(TileKind k) {
    std::uint32_t place = 1;
    for (int i = kKinds - 1; i > k; --i) place *= 5;
    return place;
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
        h.honourIndex -= HonourPlace(k);
        h.honours = HonourTable()[h.honourIndex];
    }
    Summarise(h, full.tiles - full.honours.Tiles() - (k < kFirstHonour ? 1 : 0));
    return h;
}

// The honours' arrangement once a pair is set aside from a kind held `c` times: the pair leaves
// nothing (2), a single (3) or a pair (4) behind.
Groups HonourRest(int triples, int lonePairs, int c) {
    return Arrangement(triples - (c >= 3), lonePairs + (c == 4) - (c == 2));
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
        int c = hand[kFirstHonour + std::countr_zero(bits)];
        Groups rest = HonourRest(h.honourTriples, h.honourPairs, c);
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

// The honour part of a hand, beside the three suits.
constexpr int kHonourPart = kSuits;
constexpr int kParts = kSuits + 1;

// The regular value from the best value without a pair and the best over the pair places,
// found without regard to their order. Regular takes them in kind order and stops once the
// running best equals the target, which is the same whenever no pair place values below the
// target (never with the generated table and 13 or 14 tiles); otherwise the order decides and
// the hand is counted in full.
int SettleRegular(int noPair, int pairBest, bool anyPair, int tiles, const TileCounts& hand,
                  const ShantenTable& table) {
    if (!anyPair) return noPair;
    const int target = kCompleteTiles - 1 - tiles;
    if (pairBest > target) return std::min(noPair, pairBest);
    if (pairBest == target) return target;
    return Regular(Scan(hand, table), hand, table);
}

// The counts of a hand in which only the tiles of one part (a suit or the honours) change, as
// when a tile of it is drawn or discarded. Everything outside the part is combined once, its
// pair places included; each changed hand then costs one read of the part's new pattern (and
// one per pair place in a suit) and a few comparisons.
class PartChange {
  public:
    // Made in place, since the object is large: `base` is the scan of `hand`, which holds at
    // most kCompleteTiles tiles.
    void Make(const HandScan& base, const TileCounts& hand, int part, const ShantenTable& table) {
        assert(base.tiles <= kCompleteTiles);
        table_ = &table;
        otherCount_ = pairSumCount_ = 0;
        orphanPair_ = false;
        SuitOptions options[kSuits];
        for (int s = 0; s < kSuits; ++s) options[s] = Options(base.suit[s].Sets());
        const Groups honours = Arrangement(base.honourTriples, base.honourPairs) + kReachBase;
        if (part == kHonourPart) {
            // The honours' own arrangement is added at each count, so only the base goes in.
            AddSums(others_, otherCount_, options[0], options[1], options[2], kReachBase);
            for (int s = 0; s < kSuits; ++s) {
                ForEachPairRest(base, s, [&](SuitOptions rest) {
                    Groups sums[8];
                    int n = 0;
                    AddSums(sums, n, rest, options[(s + 1) % kSuits], options[(s + 2) % kSuits],
                            kReachBase);
                    AddPairSums(sums, n);
                });
            }
            kinds_ = base.kinds - base.honours.Kinds();
            pairs_ = base.pairs - base.honours.Pairs();
            orphans_ = base.orphans - base.honours.Kinds();
            for (int s = 0; s < kSuits; ++s) orphanPair_ = orphanPair_ || base.suit[s].EndPair();
            return;
        }
        const int a = (part + 1) % kSuits, b = (part + 2) % kSuits;
        const FourSums others = Combine(options[a], options[b], honours);
        std::copy(std::begin(others.sum), std::end(others.sum), others_);
        otherCount_ = 4;
        for (int t : {a, b}) {
            const SuitOptions third = options[t == a ? b : a];
            ForEachPairRest(base, t, [&](SuitOptions rest) {
                AddPairSums(Combine(rest, third, honours).sum, 4);
            });
        }
        for (std::uint32_t bits = base.honourPairBits; bits != 0; bits &= bits - 1) {
            const int c = hand[kFirstHonour + std::countr_zero(bits)];
            const Groups rest = HonourRest(base.honourTriples, base.honourPairs, c);
            AddPairSums(Combine(options[a], options[b], rest + kReachBase).sum, 4);
        }
        const SuitFacts own = base.suit[part];
        kinds_ = base.kinds - own.Kinds();
        pairs_ = base.pairs - BitCount(own.PairBits());
        orphans_ = base.orphans - own.Ends();
        orphanPair_ = base.honours.Pairs() > 0 || base.suit[a].EndPair() || base.suit[b].EndPair();
    }

    // The shanten of the hand whose suit (this part) holds `pattern` (its base-5 index), with
    // `tiles` tiles in all; `hand` is that hand, read only when the order of the pair places
    // decides.
    int SuitMin(std::uint32_t pattern, int tiles, const TileCounts& hand) const {
        const SuitFacts facts = table_->FactsOf(pattern);
        const SuitOptions own = Options(facts.Sets());
        const std::uint32_t pairBits = facts.PairBits();
        const int noPair = kNoPairBest - BestReach(others_, otherCount_, own);
        int pairBest = PairSumsBest(own);
        for (std::uint32_t bits = pairBits; bits != 0; bits &= bits - 1) {
            const std::uint32_t rest = pattern - 2 * kPatternPlace[std::countr_zero(bits)];
            const SuitOptions restOptions = Options(table_->SuitSetsOf(rest));
            pairBest =
                std::min(pairBest, kNoPairBest - 1 - BestReach(others_, otherCount_, restOptions));
        }
        const bool anyPair = pairSumCount_ > 0 || pairBits != 0;
        const int regular = SettleRegular(noPair, pairBest, anyPair, tiles, hand, *table_);
        const int chiitoi = Chiitoi(pairs_ + BitCount(pairBits), kinds_ + facts.Kinds());
        const int kokushi = Kokushi(orphans_ + facts.Ends(), orphanPair_ || facts.EndPair());
        return std::min({regular, chiitoi, kokushi});
    }

    // The same for the honours (this part) held as `honourIndex` (base 5).
    int HonourMin(std::uint32_t honourIndex, int tiles, const TileCounts& hand) const {
        const HonourFacts facts = HonourTable()[honourIndex];
        const Groups own = Arrangement(facts.Triples(), facts.LonePairs());
        const int noPair = kNoPairBest - BestReach(others_, otherCount_, own);
        int pairBest = PairSumsBest({own, own});
        for (std::uint32_t bits = facts.PairBits(); bits != 0; bits &= bits - 1) {
            const int c = hand[kFirstHonour + std::countr_zero(bits)];
            const Groups rest = HonourRest(facts.Triples(), facts.LonePairs(), c);
            pairBest = std::min(pairBest, kNoPairBest - 1 - BestReach(others_, otherCount_, rest));
        }
        const bool anyPair = pairSumCount_ > 0 || facts.Pairs() > 0;
        const int regular = SettleRegular(noPair, pairBest, anyPair, tiles, hand, *table_);
        const int chiitoi = Chiitoi(pairs_ + facts.Pairs(), kinds_ + facts.Kinds());
        const int kokushi = Kokushi(orphans_ + facts.Kinds(), orphanPair_ || facts.Pairs() > 0);
        return std::min({regular, chiitoi, kokushi});
    }

  private:
    // At most seven pair places outside the part, each giving at most eight sums.
    static constexpr int kMaxPairSums = 8 * kCompleteTiles / 2;

    // The options of suit s once each of its pairs is set aside, in turn.
    template <class Visit>
    void ForEachPairRest(const HandScan& base, int s, Visit visit) const {
        for (std::uint32_t bits = base.suit[s].PairBits(); bits != 0; bits &= bits - 1) {
            const std::uint32_t rest = base.pattern[s] - 2 * kPatternPlace[std::countr_zero(bits)];
            visit(Options(table_->SuitSetsOf(rest)));
        }
    }

    // The eight ways to pick one arrangement of each of three suits, plus `extra`.
    static void AddSums(Groups* sums, int& n, SuitOptions x, SuitOptions y, SuitOptions z,
                        Groups extra) {
        for (Groups gx : {x.first, x.second})
            for (Groups gy : {y.first, y.second})
                for (Groups gz : {z.first, z.second}) sums[n++] = gx + gy + gz + extra;
    }

    // Keeps the sums but for those another kept sum matches or beats in both fields: only the
    // best reach over them is asked for.
    void AddPairSums(const Groups* sums, int n) {
        for (int i = 0; i < n; ++i) {
            const Groups g = sums[i];
            bool beaten = false;
            for (int j = 0; j < pairSumCount_ && !beaten; ++j) beaten = Covers(pairSums_[j], g);
            if (beaten) continue;
            int kept = 0;
            for (int j = 0; j < pairSumCount_; ++j)
                if (!Covers(g, pairSums_[j])) pairSums_[kept++] = pairSums_[j];
            assert(kept < kMaxPairSums);
            pairSums_[kept++] = g;
            pairSumCount_ = kept;
        }
    }

    static bool Covers(Groups a, Groups b) {
        return (a >> kWeightShift) >= (b >> kWeightShift) && (a & kSetsMask) >= (b & kSetsMask);
    }

    // The best value with the pair outside the part; kNoPairBest when there is none.
    int PairSumsBest(SuitOptions own) const {
        if (pairSumCount_ == 0) return kNoPairBest;
        return kNoPairBest - 1 - BestReach(pairSums_, pairSumCount_, own);
    }

    const ShantenTable* table_ = nullptr;
    // The sums without a pair outside the part: 4 for a suit, 8 for the honours.
    Groups others_[8];
    int otherCount_ = 0;
    Groups pairSums_[kMaxPairSums];
    int pairSumCount_ = 0;
    // The other forms' counts outside the part.
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
    // A part's discards share one PartChange, made when its first discard comes.
    PartChange changes[kParts];
    bool made[kParts] = {};
    const bool small = full.tiles <= kCompleteTiles;
    TileCounts less = hand;
    for (TileKind k = 0; k < kKinds; ++k) {
        if (k == skip || hand[k] < 1) continue;
        --less[k];
        const int part = k < kFirstHonour ? k / kSuitLength : kHonourPart;
        if (!small) {
            const HandScan h = ScanWithout(full, k, table);
            without[k] = std::min({Regular(h, less, table), Chiitoi(h), Kokushi(h)});
        } else {
            if (!made[part]) changes[part].Make(full, hand, part, table), made[part] = true;
            if (part == kHonourPart) {
                without[k] = changes[part].HonourMin(full.honourIndex - HonourPlace(k),
                                                     full.tiles - 1, less);
            } else {
                without[k] = changes[part].SuitMin(
                    full.pattern[part] - kPatternPlace[k % kSuitLength], full.tiles - 1, less);
            }
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
