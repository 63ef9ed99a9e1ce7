#include "analysis/search_cache.h"

#include <cassert>

#include "analysis/nanikiru_search.h"

namespace mizaro {

namespace {

constexpr int kCountBits = 3;                                     // a hand count is 0..4
constexpr int kKindsInLow = 21;                                   // 63 bits of the low word
constexpr int kSlackShift = (kKinds - kKindsInLow) * kCountBits;  // 39
constexpr int kDrawFlagShift = kSlackShift + 3;
constexpr int kDrawShift = kDrawFlagShift + 1;

}  // namespace

SearchKey MakeSearchKey(const TileCounts& hand, int slack, TileKind winningDraw) {
    assert(slack >= kMinKeySlack && slack <= kMaxKeySlack);
    SearchKey key;
    for (TileKind k = 0; k < kKindsInLow; ++k)
        key.low |= static_cast<std::uint64_t>(hand[k]) << (k * kCountBits);
    for (TileKind k = kKindsInLow; k < kKinds; ++k)
        key.high |= static_cast<std::uint64_t>(hand[k]) << ((k - kKindsInLow) * kCountBits);
    key.high |= static_cast<std::uint64_t>(slack - kMinKeySlack) << kSlackShift;
    if (winningDraw != kNoTile) {
        key.high |= std::uint64_t{1} << kDrawFlagShift;
        key.high |= static_cast<std::uint64_t>(winningDraw) << kDrawShift;
    }
    return key;
}

SearchCache::SearchCache() = default;
SearchCache::~SearchCache() = default;

NanikiruSearch* SearchCache::Find(const SearchKey& key) const {
    auto it = nodes_.find(key);
    return it == nodes_.end() ? nullptr : it->second.get();
}

NanikiruSearch* SearchCache::Insert(const SearchKey& key, std::unique_ptr<NanikiruSearch> node) {
    auto it = nodes_.try_emplace(key, std::move(node)).first;
    return it->second.get();
}

void SearchCache::Clear() {
    nodes_.clear();
}

}  // namespace mizaro
