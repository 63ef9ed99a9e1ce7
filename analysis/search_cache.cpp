#include "analysis/search_cache.h"

#include <cassert>

#include "analysis/nanikiru_search.h"

namespace mizaro {

namespace {

constexpr int kCountBits = 3;  // a hand count is 0..4
constexpr int kKindsInLow = kKindsInLowWord;
constexpr int kSlackShift = (kKinds - kKindsInLow) * kCountBits;  // 39
constexpr int kDrawFlagShift = kSlackShift + 3;
constexpr int kDrawShift = kDrawFlagShift + 1;
constexpr std::size_t kFirstSlots = 1024;

}  // namespace

SearchKey HandKey(const TileCounts& hand) {
    SearchKey key;
    for (TileKind k = 0; k < kKindsInLow; ++k)
        key.low |= static_cast<std::uint64_t>(hand[k]) << (k * kCountBits);
    for (TileKind k = kKindsInLow; k < kKinds; ++k)
        key.high |= static_cast<std::uint64_t>(hand[k]) << ((k - kKindsInLow) * kCountBits);
    return key;
}

SearchKey MakeSearchKey(const TileCounts& hand, int slack, TileKind winningDraw) {
    return WithSlack(HandKey(hand), slack, winningDraw);
}

SearchKey WithSlack(SearchKey handKey, int slack, TileKind winningDraw) {
    assert(slack >= kMinKeySlack && slack <= kMaxKeySlack);
    SearchKey key = handKey;
    key.high |= static_cast<std::uint64_t>(slack - kMinKeySlack) << kSlackShift;
    if (winningDraw != kNoTile) {
        key.high |= std::uint64_t{1} << kDrawFlagShift;
        key.high |= static_cast<std::uint64_t>(winningDraw) << kDrawShift;
    }
    return key;
}

SearchCache::SearchCache() = default;
SearchCache::~SearchCache() = default;

std::size_t SearchCache::SlotOf(const SearchKey& key) const {
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = SearchKeyHash{}(key)&mask;
    while (slots_[i].node && !(slots_[i].key == key)) i = (i + 1) & mask;
    return i;
}

NanikiruSearch* SearchCache::Find(const SearchKey& key) const {
    if (slots_.empty()) return nullptr;
    return slots_[SlotOf(key)].node;
}

void SearchCache::Grow() {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.empty() ? kFirstSlots : old.size() * 2, Slot{});
    for (const Slot& slot : old)
        if (slot.node) slots_[SlotOf(slot.key)] = slot;
}

NanikiruSearch* SearchCache::Insert(const SearchKey& key, std::unique_ptr<NanikiruSearch> node) {
    if ((owned_.size() + 1) * 2 > slots_.size()) Grow();
    Slot& slot = slots_[SlotOf(key)];
    if (slot.node) return slot.node;
    slot = {key, node.get()};
    owned_.push_back(std::move(node));
    return slot.node;
}

void SearchCache::Clear() {
    slots_.clear();
    slots_.shrink_to_fit();
    owned_.clear();
    owned_.shrink_to_fit();
}

}  // namespace mizaro
