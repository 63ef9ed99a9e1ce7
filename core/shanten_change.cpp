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

// Whether a matches or beats b in both fields, so that b never gives the best reach.
bool Covers(Groups a, Groups b) {
    return (a >> kWeightShift) >= (b >> kWeightShift) && (a & kSetsMask) >= (b & kSetsMask);
}

// The sums of one arrangement of each of the `n` parts but `skip` (-1: none skipped), plus the
// base of the reach, without repeats; returns how many.
int Products(const PartView* const* parts, int n, int skip, Groups* out) {
    int count = 1;
    out[0] = kReachBase;
    for (int i = 0; i < n; ++i) {
        if (i == skip) continue;
        const SuitOptions own = parts[i]->own;
        const int before = count;
        if (!own.Single())
            for (int j = 0; j < before; ++j) out[count++] = out[j] + own.second;
        for (int j = 0; j < before; ++j) out[j] += own.first;
    }
    return count;
}

// The regular value counted in full, in the order of the pair places: rare, so kept out of
// line from the counts that end here.
[[gnu::noinline, gnu::cold]] int OrderedRegular(const HandEdit& hand, const ShantenTable& table) {
    const TileCounts counts = hand.Build();
    return Regular(Scan(counts, table), counts, table);
}

}  // namespace

TileCounts HandEdit::Build() const {
    TileCounts hand = *base;
    if (added != kNoTile) ++hand[added];
    if (removed != kNoTile) --hand[removed];
    return hand;
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
    const PartState& state = table.ClassState(table.ClassOf(pattern));
    view.own = Options(state);
    const Corners rests = CornersOf(state.withPair);
    std::copy_n(rests.groups, rests.count, view.rests);
    view.restCount = rests.count;
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

void Outside::Make(const PartView* const* parts, int n) {
    noPairCount_ = Products(parts, n, -1, noPair_);
    pairSumCount_ = 0;
    kinds_ = pairs_ = orphans_ = 0;
    orphanPair_ = false;
    for (int i = 0; i < n; ++i) {
        const PartView& part = *parts[i];
        if (part.restCount > 0) {
            // The pair in this part, beside every arrangement of the others.
            Groups others[8];
            const int count = Products(parts, n, i, others);
            for (int r = 0; r < part.restCount; ++r) {
                Groups sums[8];
                for (int j = 0; j < count; ++j) sums[j] = others[j] + part.rests[r];
                AddUncovered(pairSums_, pairSumCount_, kMaxPairSums, sums, count);
            }
        }
        kinds_ += part.kinds;
        pairs_ += part.pairs;
        orphans_ += part.orphans;
        orphanPair_ = orphanPair_ || part.orphanPair;
    }
}

int Outside::PairSumsReach(SuitOptions own) const {
    return pairSumCount_ > 0 ? BestReach(pairSums_, pairSumCount_, own) : -1;
}

// The regular value from the best reach without a pair and over the pair places (-1: none),
// found without regard to their order. Regular takes the pair places in kind order and stops
// once the running best equals the target, which is the same whenever no pair place values
// below the target (never with the generated table and 13 or 14 tiles); otherwise the order
// decides and the hand is counted in full. Then the smallest of the three forms.
inline int Outside::Settle(int noPairReach, int pairReach, int tiles, int kinds, int pairs,
                           int orphans, bool orphanPair, const HandEdit& hand,
                           const ShantenTable& table) const {
    int regular = kNoPairBest - noPairReach;
    if (pairReach >= 0) {
        const int pairBest = kNoPairBest - 1 - pairReach;
        const int target = kCompleteTiles - 1 - tiles;
        if (pairBest > target) {
            regular = std::min(regular, pairBest);
        } else if (pairBest == target) {
            regular = target;
        } else {
            regular = OrderedRegular(hand, table);
        }
    }
    const int chiitoi = Chiitoi(pairs_ + pairs, kinds_ + kinds);
    const int kokushi = Kokushi(orphans_ + orphans, orphanPair_ || orphanPair);
    return std::min({regular, chiitoi, kokushi});
}

int Outside::SuitMin(std::uint32_t pattern, int tiles, const HandEdit& hand,
                     const ShantenTable& table) const {
    const SuitFacts facts = table.FactsOf(pattern);
    const PartState& state = table.ClassState(table.ClassOf(pattern));
    const SuitOptions own = Options(state);
    int pairReach = PairSumsReach(own);
    const Corners rests = CornersOf(state.withPair);
    for (int r = 0; r < rests.count; ++r)
        pairReach = std::max(pairReach, BestReach(noPair_, noPairCount_, rests.groups[r]));
    return Settle(BestReach(noPair_, noPairCount_, own), pairReach, tiles, facts.Kinds(),
                  BitCount(facts.PairBits()), facts.Ends(), facts.EndPair(), hand, table);
}

int Outside::HonourMin(std::uint32_t honourIndex, int tiles, const HandEdit& hand,
                       const ShantenTable& table) const {
    const HonourFacts facts = HonourFactsOf(honourIndex);
    const Groups own = Arrangement(facts.Triples(), facts.LonePairs());
    int pairReach = PairSumsReach({own, own});
    for (std::uint32_t bits = facts.PairBits(); bits != 0; bits &= bits - 1) {
        const int c = hand.Count(kFirstHonour + std::countr_zero(bits));
        const Groups rest = HonourRest(facts.Triples(), facts.LonePairs(), c);
        pairReach = std::max(pairReach, BestReach(noPair_, noPairCount_, rest));
    }
    return Settle(BestReach(noPair_, noPairCount_, own), pairReach, tiles, facts.Kinds(),
                  facts.Pairs(), facts.Kinds(), facts.Pairs() > 0, hand, table);
}

int Outside::Min(const PartView& a, const PartView& b, int tiles, const HandEdit& hand,
                 const ShantenTable& table) const {
    const Sums both = Combine(a.own, b.own, 0);
    int noPairReach = 0;
    int pairReach = -1;
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
    return Settle(noPairReach, pairReach, tiles, a.kinds + b.kinds, a.pairs + b.pairs,
                  a.orphans + b.orphans, a.orphanPair || b.orphanPair, hand, table);
}

namespace {

// The views of the four parts of a scanned hand.
void ViewParts(const HandScan& scan, const TileCounts& hand, const ShantenTable& table,
               PartView (&views)[kParts]) {
    for (int s = 0; s < kSuits; ++s) views[s] = SuitView(scan.pattern[s], table);
    views[kHonourPart] = HonourView(scan.honourIndex, HandEdit{&hand});
}

// Combines the views of every part but `a` and `b` (b = a: every part but a).
void MakeOutside(Outside& outside, const PartView (&views)[kParts], int a, int b) {
    const PartView* others[kParts];
    int n = 0;
    for (int p = 0; p < kParts; ++p)
        if (p != a && p != b) others[n++] = &views[p];
    outside.Make(others, n);
}

// The shanten of the hand of `scan` with one tile of kind k more (+1) or less (-1), through
// what lies outside k's part.
int ChangedMin(const Outside& outside, const HandScan& scan, TileKind k, int delta,
               const HandEdit& edit, const ShantenTable& table) {
    const int tiles = scan.tiles + delta;
    if (k >= kFirstHonour) {
        const std::uint32_t index =
            scan.honourIndex + static_cast<std::uint32_t>(delta) * HonourPlace(k);
        return outside.HonourMin(index, tiles, edit, table);
    }
    const int s = k / kSuitLength;
    const std::uint32_t pattern =
        scan.pattern[s] + static_cast<std::uint32_t>(delta) * kPatternPlace[k % kSuitLength];
    return outside.SuitMin(pattern, tiles, edit, table);
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
    PartView views[kParts];
    ViewParts(full, hand, table, views);
    // A part's discards share what lies outside it, made when its first discard comes.
    Outside outside[kParts];
    bool made[kParts] = {};
    for (TileKind k = 0; k < kKinds; ++k) {
        if (k == skip || hand[k] < 1) continue;
        const int part = PartOf(k);
        if (!made[part]) MakeOutside(outside[part], views, part, part), made[part] = true;
        without[k] = ChangedMin(outside[part], full, k, -1, HandEdit{&hand, kNoTile, k}, table);
    }
}

ShantenAround::ShantenAround(const TileCounts& hand) : ShantenAround(hand, ProcessShantenTable()) {}

ShantenAround::ShantenAround(const TileCounts& hand, const ShantenTable& table)
    : table_(table), hand_(hand), scan_(Scan(hand, table)) {
    effective_ = CandidatesOf(scan_, hand_, Regular(scan_, hand_, table));
    for (TileKind k = 0; k < kKinds; ++k)
        if (hand_[k] > 0) held_[heldCount_++] = k;
    small_ = scan_.tiles < kCompleteTiles;
    if (small_) ViewParts(scan_, hand_, table, views_);
}

const Outside& ShantenAround::OutsideOne(int part) const {
    const std::uint32_t bit = 1u << part;
    if (!(oneMade_ & bit)) MakeOutside(outsideOne_[part], views_, part, part), oneMade_ |= bit;
    return outsideOne_[part];
}

const Outside& ShantenAround::OutsideTwo(int a, int b) const {
    const int pair = kPartPairs[a][b];
    const std::uint32_t bit = 1u << pair;
    if (!(twoMade_ & bit)) MakeOutside(outsideTwo_[pair], views_, a, b), twoMade_ |= bit;
    return outsideTwo_[pair];
}

const PartView& ShantenAround::Discarded(TileKind k) const {
    const std::uint64_t bit = std::uint64_t{1} << k;
    if (!(discardedMade_ & bit)) {
        const int part = PartOf(k);
        discarded_[k] =
            part == kHonourPart
                ? HonourView(scan_.honourIndex - HonourPlace(k), HandEdit{&hand_, kNoTile, k})
                : SuitView(scan_.pattern[part] - kPatternPlace[k % kSuitLength], table_);
        discardedMade_ |= bit;
    }
    return discarded_[k];
}

int ShantenAround::AfterDraw(TileKind drawn) const {
    if (hand_[drawn] >= kMaxTilesOfKind) return effective_.shanten;  // no fifth tile to draw
    if (small_) {
        return ChangedMin(OutsideOne(PartOf(drawn)), scan_, drawn, 1, HandEdit{&hand_, drawn},
                          table_);
    }
    TileCounts more = hand_;
    ++more[drawn];
    return FullMin(ScanChanged(scan_, drawn, 1, table_), more, table_);
}

int ShantenAround::AfterDiscard(TileKind discarded) const {
    if (!small_) {
        TileCounts less = hand_;
        --less[discarded];
        return FullMin(ScanChanged(scan_, discarded, -1, table_), less, table_);
    }
    return ChangedMin(OutsideOne(PartOf(discarded)), scan_, discarded, -1,
                      HandEdit{&hand_, kNoTile, discarded}, table_);
}

void ShantenAround::AfterExchange(TileKind drawn, std::array<int, kKinds>& without,
                                  std::uint64_t among) const {
    // The rare hands counted in full: no fifth tile to draw, or no room for one more.
    if (hand_[drawn] >= kMaxTilesOfKind || !small_) {
        TileCounts more = hand_;
        if (hand_[drawn] < kMaxTilesOfKind) ++more[drawn];
        std::array<int, kKinds> all;
        ShantenOfDiscards(more, drawn, all, table_);
        for (TileKind k = 0; k < kKinds; ++k)
            if (k != drawn && more[k] > 0 && among >> k & 1) without[k] = all[k];
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
    const Outside& sameOutside = OutsideOne(drawnPart);
    for (int h = 0; h < heldCount_; ++h) {
        const TileKind k = held_[h];
        if (k == drawn || !(among >> k & 1)) continue;
        const int part = PartOf(k);
        const HandEdit edit{&hand_, drawn, k};
        if (part != drawnPart) {
            without[k] =
                OutsideTwo(drawnPart, part).Min(drawnView, Discarded(k), scan_.tiles, edit, table_);
        } else if (honour) {
            without[k] =
                sameOutside.HonourMin(drawnPattern - HonourPlace(k), scan_.tiles, edit, table_);
        } else {
            without[k] = sameOutside.SuitMin(drawnPattern - kPatternPlace[k % kSuitLength],
                                             scan_.tiles, edit, table_);
        }
    }
}

}  // namespace mizaro
