// The shanten counts of hands one tile away from a scanned hand: the discards of a hand and
// the draws and exchanges around it. Each reads again only the part (a suit or the honours)
// that changed, against everything else combined once.
#include "core/shanten.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstdint>

#include "core/shanten_parts.h"
#include "core/shanten_table.h"

namespace mizaro {

namespace shanten_parts {

namespace {

// The regular value from the best value without a pair and the best over the pair places,
// found without regard to their order. Regular takes them in kind order and stops once the
// running best equals the target, which is the same whenever no pair place values below the
// target (never with the generated table and 13 or 14 tiles); otherwise the order decides and
// the hand is counted in full.
int SettleRegular(int noPair, int pairBest, bool anyPair, int tiles, const HandEdit& edit,
                  const ShantenTable& table) {
    if (!anyPair) return noPair;
    const int target = kCompleteTiles - 1 - tiles;
    if (pairBest > target) return std::min(noPair, pairBest);
    if (pairBest == target) return target;
    const TileCounts hand = edit.Build();
    return Regular(Scan(hand, table), hand, table);
}

// The ways to pick one arrangement of each of three suits, plus `extra`, without repeats.
void AddSums(Groups* sums, int& n, SuitOptions x, SuitOptions y, SuitOptions z, Groups extra) {
    const Sums yz = Combine(y, z, extra);
    for (int i = 0; i < yz.count; ++i) {
        sums[n++] = x.first + yz.sum[i];
        if (!x.Single()) sums[n++] = x.second + yz.sum[i];
    }
}

// Whether a matches or beats b in both fields, so that b never gives the best reach.
bool Covers(Groups a, Groups b) {
    return (a >> kWeightShift) >= (b >> kWeightShift) && (a & kSetsMask) >= (b & kSetsMask);
}

// The options of suit s of `base` once each of its pairs is set aside, in turn.
template <class Visit>
void ForEachPairRest(const HandScan& base, int s, const ShantenTable& table, Visit visit) {
    for (std::uint32_t bits = base.suit[s].PairBits(); bits != 0; bits &= bits - 1) {
        const std::uint32_t rest = base.pattern[s] - 2 * kPatternPlace[std::countr_zero(bits)];
        visit(Options(table.SuitSetsOf(rest)));
    }
}

}  // namespace

TileCounts HandEdit::Build() const {
    TileCounts hand = *base;
    if (added != kNoTile) ++hand[added];
    if (removed != kNoTile) --hand[removed];
    return hand;
}

void PartChange::Make(const HandScan& base, const TileCounts& hand, int part,
                      const ShantenTable& table) {
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
            ForEachPairRest(base, s, table, [&](SuitOptions rest) {
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
    const Sums others = Combine(options[a], options[b], honours);
    std::copy(others.sum, others.sum + others.count, others_);
    otherCount_ = others.count;
    for (int t : {a, b}) {
        const SuitOptions third = options[t == a ? b : a];
        ForEachPairRest(base, t, table, [&](SuitOptions rest) {
            const Sums sums = Combine(rest, third, honours);
            AddPairSums(sums.sum, sums.count);
        });
    }
    for (std::uint32_t bits = base.honourPairBits; bits != 0; bits &= bits - 1) {
        const int c = hand[kFirstHonour + std::countr_zero(bits)];
        const Groups rest = HonourRest(base.honourTriples, base.honourPairs, c);
        const Sums sums = Combine(options[a], options[b], rest + kReachBase);
        AddPairSums(sums.sum, sums.count);
    }
    const SuitFacts own = base.suit[part];
    kinds_ = base.kinds - own.Kinds();
    pairs_ = base.pairs - BitCount(own.PairBits());
    orphans_ = base.orphans - own.Ends();
    orphanPair_ = base.honours.Pairs() > 0 || base.suit[a].EndPair() || base.suit[b].EndPair();
}

int PartChange::SuitMin(std::uint32_t pattern, int tiles, const HandEdit& hand) const {
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

int PartChange::HonourMin(std::uint32_t honourIndex, int tiles, const HandEdit& hand) const {
    const HonourFacts facts = HonourFactsOf(honourIndex);
    const Groups own = Arrangement(facts.Triples(), facts.LonePairs());
    const int noPair = kNoPairBest - BestReach(others_, otherCount_, own);
    int pairBest = PairSumsBest({own, own});
    for (std::uint32_t bits = facts.PairBits(); bits != 0; bits &= bits - 1) {
        const int c = hand.Count(kFirstHonour + std::countr_zero(bits));
        const Groups rest = HonourRest(facts.Triples(), facts.LonePairs(), c);
        pairBest = std::min(pairBest, kNoPairBest - 1 - BestReach(others_, otherCount_, rest));
    }
    const bool anyPair = pairSumCount_ > 0 || facts.Pairs() > 0;
    const int regular = SettleRegular(noPair, pairBest, anyPair, tiles, hand, *table_);
    const int chiitoi = Chiitoi(pairs_ + facts.Pairs(), kinds_ + facts.Kinds());
    const int kokushi = Kokushi(orphans_ + facts.Kinds(), orphanPair_ || facts.Pairs() > 0);
    return std::min({regular, chiitoi, kokushi});
}

void PartChange::AddPairSums(const Groups* sums, int n) {
    AddUncovered(pairSums_, pairSumCount_, kMaxPairSums, sums, n);
}

void AddUncovered(Groups* list, int& count, int capacity, const Groups* sums, int n) {
    for (int i = 0; i < n; ++i) {
        const Groups g = sums[i];
        bool beaten = false;
        for (int j = 0; j < count && !beaten; ++j) beaten = Covers(list[j], g);
        if (beaten) continue;
        int kept = 0;
        for (int j = 0; j < count; ++j)
            if (!Covers(g, list[j])) list[kept++] = list[j];
        assert(kept < capacity);
        (void)capacity;
        list[kept++] = g;
        count = kept;
    }
}

PartView SuitView(std::uint32_t pattern, const ShantenTable& table) {
    PartView view;
    const SuitFacts facts = table.FactsOf(pattern);
    view.own = Options(facts.Sets());
    for (std::uint32_t bits = facts.PairBits(); bits != 0; bits &= bits - 1) {
        const std::uint32_t rest = pattern - 2 * kPatternPlace[std::countr_zero(bits)];
        const SuitOptions options = Options(table.SuitSetsOf(rest));
        const Groups both[2] = {options.first, options.second};
        AddUncovered(view.rests, view.restCount, kMaxRests, both, options.Single() ? 1 : 2);
    }
    view.kinds = facts.Kinds();
    view.pairs = BitCount(facts.PairBits());
    view.orphans = facts.Ends();
    view.orphanPair = facts.EndPair();
    return view;
}

PartView HonourView(std::uint32_t honourIndex, const HandEdit& hand) {
    PartView view;
    const HonourFacts facts = HonourFactsOf(honourIndex);
    const Groups own = Arrangement(facts.Triples(), facts.LonePairs());
    view.own = {own, own};
    for (std::uint32_t bits = facts.PairBits(); bits != 0; bits &= bits - 1) {
        const int c = hand.Count(kFirstHonour + std::countr_zero(bits));
        const Groups rest = HonourRest(facts.Triples(), facts.LonePairs(), c);
        AddUncovered(view.rests, view.restCount, kMaxRests, &rest, 1);
    }
    view.kinds = facts.Kinds();
    view.pairs = facts.Pairs();
    view.orphans = facts.Kinds();
    view.orphanPair = facts.Pairs() > 0;
    return view;
}

void OutsideTwo::Make(const PartView& c, const PartView& d) {
    const Sums none = Combine(c.own, d.own, kReachBase);
    std::copy(none.sum, none.sum + none.count, noPair_);
    noPairCount_ = none.count;
    pairSumCount_ = 0;
    auto addPairs = [&](const PartView& withPair, SuitOptions other) {
        for (int r = 0; r < withPair.restCount; ++r) {
            const Groups rest = withPair.rests[r];
            const Sums sums = Combine({rest, rest}, other, kReachBase);
            AddUncovered(pairSums_, pairSumCount_, kMaxPairSums, sums.sum, sums.count);
        }
    };
    addPairs(c, d.own);
    addPairs(d, c.own);
    kinds_ = c.kinds + d.kinds;
    pairs_ = c.pairs + d.pairs;
    orphans_ = c.orphans + d.orphans;
    orphanPair_ = c.orphanPair || d.orphanPair;
}

int OutsideTwo::Min(const PartView& a, const PartView& b, int tiles, const HandEdit& hand,
                    const ShantenTable& table) const {
    const Sums both = Combine(a.own, b.own, 0);
    int noPairReach = 0;
    int pairReach = -1;  // no pair place yet
    for (int i = 0; i < both.count; ++i) {
        noPairReach = std::max(noPairReach, BestReach(noPair_, noPairCount_, both.sum[i]));
        if (pairSumCount_ > 0)
            pairReach = std::max(pairReach, BestReach(pairSums_, pairSumCount_, both.sum[i]));
    }
    // A pair in one of the two changing parts, beside the other's arrangements.
    auto pairIn = [&](const PartView& withPair, SuitOptions other) {
        for (int r = 0; r < withPair.restCount; ++r) {
            const Groups rest = withPair.rests[r];
            const SuitOptions sums{rest + other.first, rest + other.second};
            pairReach = std::max(pairReach, BestReach(noPair_, noPairCount_, sums));
        }
    };
    pairIn(a, b.own);
    pairIn(b, a.own);
    const bool anyPair = pairReach >= 0;
    const int noPair = kNoPairBest - noPairReach;
    const int pairBest = anyPair ? kNoPairBest - 1 - pairReach : kNoPairBest;
    const int regular = SettleRegular(noPair, pairBest, anyPair, tiles, hand, table);
    const int chiitoi = Chiitoi(pairs_ + a.pairs + b.pairs, kinds_ + a.kinds + b.kinds);
    const int kokushi =
        Kokushi(orphans_ + a.orphans + b.orphans, orphanPair_ || a.orphanPair || b.orphanPair);
    return std::min({regular, chiitoi, kokushi});
}

// The best value with the pair outside the part; kNoPairBest when there is none.
int PartChange::PairSumsBest(SuitOptions own) const {
    if (pairSumCount_ == 0) return kNoPairBest;
    return kNoPairBest - 1 - BestReach(pairSums_, pairSumCount_, own);
}

namespace {

// The shanten of the hand of `scan` with one tile of kind k more (+1) or less (-1), through
// the change of k's part.
int ChangedMin(const PartChange& change, const HandScan& scan, TileKind k, int delta,
               const HandEdit& edit) {
    const int tiles = scan.tiles + delta;
    if (k >= kFirstHonour) {
        const std::uint32_t index =
            scan.honourIndex + static_cast<std::uint32_t>(delta) * HonourPlace(k);
        return change.HonourMin(index, tiles, edit);
    }
    const int s = k / kSuitLength;
    const std::uint32_t pattern =
        scan.pattern[s] + static_cast<std::uint32_t>(delta) * kPatternPlace[k % kSuitLength];
    return change.SuitMin(pattern, tiles, edit);
}

// The full count of a scanned hand.
int FullMin(const HandScan& h, const TileCounts& hand, const ShantenTable& table) {
    return std::min({Regular(h, hand, table), Chiitoi(h), Kokushi(h)});
}

}  // namespace

}  // namespace shanten_parts

using namespace shanten_parts;

void ShantenOfDiscards(const TileCounts& hand, TileKind skip, std::array<int, kKinds>& without) {
    ShantenOfDiscards(hand, skip, without, ProcessShantenTable());
}

void ShantenOfDiscards(const TileCounts& hand, TileKind skip, std::array<int, kKinds>& without,
                       const ShantenTable& table) {
    const HandScan full = Scan(hand, table);
    if (full.tiles > kCompleteTiles) {
        TileCounts less = hand;
        for (TileKind k = 0; k < kKinds; ++k) {
            if (k == skip || hand[k] < 1) continue;
            --less[k];
            without[k] = FullMin(ScanChanged(full, k, -1, table), less, table);
            ++less[k];
        }
        return;
    }
    // A part's discards share one PartChange, made when its first discard comes.
    PartChange changes[kParts];
    bool made[kParts] = {};
    for (TileKind k = 0; k < kKinds; ++k) {
        if (k == skip || hand[k] < 1) continue;
        const int part = PartOf(k);
        if (!made[part]) changes[part].Make(full, hand, part, table), made[part] = true;
        without[k] = ChangedMin(changes[part], full, k, -1, HandEdit{&hand, kNoTile, k});
    }
}

ShantenAround::ShantenAround(const TileCounts& hand) : ShantenAround(hand, ProcessShantenTable()) {}

ShantenAround::ShantenAround(const TileCounts& hand, const ShantenTable& table)
    : table_(table), hand_(hand), scan_(Scan(hand, table)) {
    effective_ = CandidatesOf(scan_, hand_, Regular(scan_, hand_, table));
    small_ = scan_.tiles < kCompleteTiles;
    if (!small_) return;
    PartView own[kParts];
    for (int part = 0; part < kSuits; ++part) own[part] = SuitView(scan_.pattern[part], table);
    own[kHonourPart] = HonourView(scan_.honourIndex, HandEdit{&hand_});
    for (int a = 0; a < kParts; ++a) {
        parts_[a].Make(scan_, hand_, a, table);
        for (int b = a + 1; b < kParts; ++b) {
            int others[2], n = 0;
            for (int c = 0; c < kParts; ++c)
                if (c != a && c != b) others[n++] = c;
            outside_[kPartPairs[a][b]].Make(own[others[0]], own[others[1]]);
        }
    }
    for (TileKind k = 0; k < kKinds; ++k) {
        if (hand_[k] < 1) continue;
        const int part = PartOf(k);
        discarded_[k] =
            part == kHonourPart
                ? HonourView(scan_.honourIndex - HonourPlace(k), HandEdit{&hand_, kNoTile, k})
                : SuitView(scan_.pattern[part] - kPatternPlace[k % kSuitLength], table);
    }
}

int ShantenAround::AfterDraw(TileKind drawn) const {
    if (hand_[drawn] >= kMaxTilesOfKind) return effective_.shanten;  // no fifth tile to draw
    if (small_) return ChangedMin(parts_[PartOf(drawn)], scan_, drawn, 1, HandEdit{&hand_, drawn});
    TileCounts more = hand_;
    ++more[drawn];
    return FullMin(ScanChanged(scan_, drawn, 1, table_), more, table_);
}

void ShantenAround::AfterExchange(TileKind drawn, std::array<int, kKinds>& without) const {
    if (hand_[drawn] >= kMaxTilesOfKind) {  // no fifth tile to draw
        ShantenOfDiscards(hand_, drawn, without, table_);
        return;
    }
    if (!small_) {
        TileCounts more = hand_;
        ++more[drawn];
        ShantenOfDiscards(more, drawn, without, table_);
        return;
    }
    // A discard from the drawn tile's part changes only that part of this hand, against the
    // rest combined already; a discard from another part changes two parts, each read already.
    const int drawnPart = PartOf(drawn);
    const bool honour = drawnPart == kHonourPart;
    const std::uint32_t place = honour ? HonourPlace(drawn) : kPatternPlace[drawn % kSuitLength];
    const std::uint32_t drawnPattern =
        (honour ? scan_.honourIndex : scan_.pattern[drawnPart]) + place;
    const PartView drawnView =
        honour ? HonourView(drawnPattern, HandEdit{&hand_, drawn}) : SuitView(drawnPattern, table_);
    for (TileKind k = 0; k < kKinds; ++k) {
        if (k == drawn || hand_[k] < 1) continue;
        const int part = PartOf(k);
        const HandEdit edit{&hand_, drawn, k};
        if (part != drawnPart) {
            without[k] = outside_[kPartPairs[drawnPart][part]].Min(drawnView, discarded_[k],
                                                                   scan_.tiles, edit, table_);
        } else if (honour) {
            without[k] = parts_[part].HonourMin(drawnPattern - HonourPlace(k), scan_.tiles, edit);
        } else {
            without[k] = parts_[part].SuitMin(drawnPattern - kPatternPlace[k % kSuitLength],
                                              scan_.tiles, edit);
        }
    }
}

}  // namespace mizaro
