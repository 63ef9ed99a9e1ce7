#include "analysis/search_cache.h"

#include <algorithm>
#include <cassert>
#include <new>

#include "analysis/nanikiru_search.h"

namespace mizaro {

namespace {

constexpr int kCountBits = 3;  // a hand count is 0..4
constexpr int kKindsInLow = kKindsInLowWord;
constexpr int kSlackShift = (kKinds - kKindsInLow) * kCountBits;  // 39
constexpr int kDrawFlagShift = kSlackShift + 3;
constexpr int kDrawShift = kDrawFlagShift + 1;
constexpr std::size_t kFirstSlots = 1024;
constexpr int kNodeBlockShift = 8;  // 256 nodes a block
constexpr std::uint32_t kNodesPerBlock = std::uint32_t{1} << kNodeBlockShift;

// The slot's position comes from the low bits of the hash; the tag takes the high ones.
std::uint32_t TagOf(std::size_t hash) {
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(hash) >> 32);
}

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

TileCounts HandOfKey(const SearchKey& key) {
    constexpr std::uint64_t kCountMask = (1u << kCountBits) - 1;
    TileCounts hand{};
    for (TileKind k = 0; k < kKindsInLow; ++k)
        hand[k] = static_cast<int>(key.low >> (k * kCountBits) & kCountMask);
    for (TileKind k = kKindsInLow; k < kKinds; ++k)
        hand[k] = static_cast<int>(key.high >> ((k - kKindsInLow) * kCountBits) & kCountMask);
    return hand;
}

struct SearchCache::NodeSlot {
    alignas(NanikiruSearch) std::byte bytes[sizeof(NanikiruSearch)];
};

SearchCache::SearchCache() = default;

SearchCache::~SearchCache() {
    Clear();
}

NanikiruSearch* SearchCache::Node(std::uint32_t index) const {
    NodeSlot& slot = nodeBlocks_[index >> kNodeBlockShift][index & (kNodesPerBlock - 1)];
    return std::launder(reinterpret_cast<NanikiruSearch*>(slot.bytes));
}

std::size_t SearchCache::SlotOf(const SearchKey& key, std::size_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    const std::uint32_t tag = TagOf(hash);
    std::size_t i = hash & mask;
    while (slots_[i].node != 0 && !(slots_[i].tag == tag && Node(slots_[i].node - 1)->key() == key))
        i = (i + 1) & mask;
    return i;
}

NanikiruSearch* SearchCache::Find(const SearchKey& key) const {
    if (slots_.empty()) return nullptr;
    const Slot& slot = slots_[SlotOf(key, SearchKeyHash{}(key))];
    return slot.node != 0 ? Node(slot.node - 1) : nullptr;
}

void SearchCache::PrefetchSlot(const SearchKey& key) const {
    if (slots_.empty()) return;
    __builtin_prefetch(&slots_[SearchKeyHash{}(key) & (slots_.size() - 1)]);
}

void SearchCache::PrefetchNode(const SearchKey& key) const {
    if (slots_.empty()) return;
    // The first slot with the key's tag names the node Find will compare, almost always.
    const std::size_t hash = SearchKeyHash{}(key), mask = slots_.size() - 1;
    const std::uint32_t tag = TagOf(hash);
    for (std::size_t i = hash & mask; slots_[i].node != 0; i = (i + 1) & mask) {
        if (slots_[i].tag == tag) {
            __builtin_prefetch(Node(slots_[i].node - 1));
            return;
        }
    }
}

SearchCache::NodeRoom SearchCache::NewNodeRoom() {
    if ((nodeCount_ >> kNodeBlockShift) == nodeBlocks_.size())
        nodeBlocks_.push_back(arena_.Allocate<NodeSlot>(kNodesPerBlock));
    const std::uint32_t index = nodeCount_++;
    return {Node(index), index};
}

void SearchCache::Grow() {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.empty() ? kFirstSlots : old.size() * 2, Slot{});
    for (const Slot& slot : old) {
        if (slot.node == 0) continue;
        const SearchKey& key = Node(slot.node - 1)->key();
        slots_[SlotOf(key, SearchKeyHash{}(key))] = slot;
    }
}

NanikiruSearch* SearchCache::Insert(const SearchKey& key, std::uint32_t index) {
    if ((findable_ + 1) * 2 > slots_.size()) Grow();
    const std::size_t hash = SearchKeyHash{}(key);
    Slot& slot = slots_[SlotOf(key, hash)];
    if (slot.node != 0) return Node(slot.node - 1);
    slot = {TagOf(hash), index + 1};
    ++findable_;
    return Node(index);
}

void SearchCache::Clear() {
    for (std::uint32_t i = 0; i < nodeCount_; ++i) Node(i)->~NanikiruSearch();
    nodeCount_ = 0;
    nodeBlocks_.clear();
    findable_ = 0;
    if (slots_.size() > kFirstSlots) {
        slots_.clear();
        slots_.shrink_to_fit();
    } else {
        std::fill(slots_.begin(), slots_.end(), Slot{});
    }
    arena_.Reset();
    childStack_.clear();
}

}  // namespace mizaro
