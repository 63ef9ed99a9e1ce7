// Shanten: how many tile exchanges a concealed hand is from ready (0 ready, -1 complete),
// for the regular form (four sets and a pair), seven pairs and thirteen orphans.
//
// The regular form reads each suit's class from the shanten table (core/shanten_table.h),
// which the first count loads if nobody did before, so no decomposition runs here; this is the
// hottest function of the analysis search and never allocates. A hand is any number of tiles,
// each kind held 0..4 times; the game counts 13 and 14.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "core/shanten_parts.h"
#include "core/tile.h"

namespace mizaro {

struct ShantenResult {
    int regular = 8;
    int chiitoi = 6;
    int kokushi = 13;
    int min = 6;  // the smallest of the three
};

class ShantenTable;

int RegularShanten(const TileCounts& hand);
// The same count against a given table rather than the process's own.
int RegularShanten(const TileCounts& hand, const ShantenTable& table);
int ChiitoiShanten(const TileCounts& hand, int* distinctKinds = nullptr);
int KokushiShanten(const TileCounts& hand);

ShantenResult ShantenForms(const TileCounts& hand);
int Shanten(const TileCounts& hand);

// In `without[k]`, for every kind k held other than `skip`, the shanten of the hand less one
// tile of kind k; the other entries are left as they are. The hand is scanned once, what lies
// outside each part (a suit or the honours) is combined once for all the discards of that
// part, and each discard reads only its own part again, so this is far cheaper than one count
// per discard.
void ShantenOfDiscards(const TileCounts& hand, TileKind skip, std::array<int, kKinds>& without);
// The same counts against a given table rather than the process's own.
void ShantenOfDiscards(const TileCounts& hand, TileKind skip, std::array<int, kKinds>& without,
                       const ShantenTable& table);

// The minimum shanten and the kinds whose draw may lower it (a superset of the kinds that do).
struct Candidates {
    int shanten = 8;
    std::array<bool, kKinds> flags{};
};
Candidates EffectiveCandidates(const TileCounts& hand);

// The counts a discard search makes around one hand between draws, each equal to the count
// named beside it but far cheaper: what lies outside each part of the hand (a suit or the
// honours), and outside each two parts, is combined once here. A draw then costs one read of
// its own part; a discard after it from the same part one more read, and from another part
// none, since each held kind's part less one tile is read here too. Meant for hands of at most
// 13 tiles (larger ones are counted in full); never allocates, and at about 6 KB is meant to
// live on the stack of the code that asks.
class ShantenAround {
  public:
    explicit ShantenAround(const TileCounts& hand);
    // The same counts against a given table rather than the process's own.
    ShantenAround(const TileCounts& hand, const ShantenTable& table);

    // EffectiveCandidates(hand).
    const Candidates& Effective() const { return effective_; }
    // Shanten(hand plus one `drawn`). A kind held four times has no tile left to draw: the
    // hand is counted as it is.
    int AfterDraw(TileKind drawn) const;
    // The kinds held, in order.
    std::span<const TileKind> Held() const {
        return {held_.data(), static_cast<std::size_t>(heldCount_)};
    }
    // Shanten(hand less one `discarded`), a held kind.
    int AfterDiscard(TileKind discarded) const;
    // ShantenOfDiscards(hand plus one `drawn`, drawn, without), likewise. With `among` (a bit
    // per kind) only those discards are counted; the other entries are left as they are.
    static constexpr std::uint64_t kEveryKind = ~std::uint64_t{0};
    void AfterExchange(TileKind drawn, std::array<int, kKinds>& without,
                       std::uint64_t among = kEveryKind) const;

  private:
    // The parts below are made when a count first needs them: many hands ask only for a few
    // draws, or for no exchange at all.
    const shanten_parts::Outside& OutsideOne(int part) const;
    const shanten_parts::Outside& OutsideTwo(int a, int b) const;
    const shanten_parts::PartView& Discarded(TileKind k) const;

    const ShantenTable& table_;
    TileCounts hand_;
    shanten_parts::HandScan scan_;
    Candidates effective_;
    bool small_ = false;  // room for one more tile: the parts below are used
    // The held kinds in order, the only ones a discard can give up.
    std::array<TileKind, kKinds> held_;
    int heldCount_ = 0;
    shanten_parts::PartView views_[shanten_parts::kParts];
    // Everything outside one part, for a draw and a discard in that part.
    mutable shanten_parts::Outside outsideOne_[shanten_parts::kParts];
    // Everything outside two parts, for a draw in one and a discard in the other.
    mutable shanten_parts::Outside outsideTwo_[shanten_parts::kPartPairCount];
    // The part of each held kind once one tile of it is discarded.
    mutable shanten_parts::PartView discarded_[kKinds];
    // Which of the above are made: a bit per part, per pair of parts and per kind.
    mutable std::uint32_t oneMade_ = 0, twoMade_ = 0;
    mutable std::uint64_t discardedMade_ = 0;
};

}  // namespace mizaro
