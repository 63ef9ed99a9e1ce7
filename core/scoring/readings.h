// The readings of a complete hand: every way to see it as thirteen orphans, seven pairs, or
// four sets and a pair with the winning tile in one particular set or in the pair.
//
// The analysis evaluates a win at every leaf of its search, so the readings live in a
// fixed-capacity list on the stack and the enumeration never allocates.
#pragma once

#include <cassert>
#include <cstddef>
#include <type_traits>

#include "core/agari_result.h"

namespace mizaro {

// Enough for any 14-tile hand: every hand with four copies at most was enumerated, and none
// has more than kMostRegularReadings regular readings; add thirteen orphans and seven pairs.
inline constexpr int kMostRegularReadings = 14;
inline constexpr int kReadingCapacity = kMostRegularReadings + 2;

static_assert(std::is_trivially_copyable_v<AgariResult> &&
              std::is_trivially_destructible_v<AgariResult>);

class ReadingList {
  public:
    ReadingList() {}  // the readings are written as they are appended, not before

    void Append(const AgariResult& r) {
        assert(count_ < kReadingCapacity);
        if (count_ < kReadingCapacity) items_[count_++] = r;
    }
    int size() const { return count_; }
    AgariResult& operator[](int i) { return items_[i]; }
    const AgariResult& operator[](int i) const { return items_[i]; }
    AgariResult* begin() { return items_; }
    AgariResult* end() { return items_ + count_; }

  private:
    // A union leaves the slots uninitialised: clearing all of them would cost more than the
    // evaluation of a typical hand.
    union {
        AgariResult items_[kReadingCapacity];
    };
    int count_ = 0;
};

// Appends, in kind order of the pair and then of the sets, every split of `hand` into a pair
// and four sets, once for each place the winning tile can take: each set that holds it (its
// first position there) and then the pair. Each reading starts as a copy of `base`.
void EnumerateRegular(const AgariResult& base, const TileCounts& hand, TileKind winTile,
                      ReadingList& out);

}  // namespace mizaro
