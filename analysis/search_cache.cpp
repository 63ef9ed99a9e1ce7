#include "analysis/search_cache.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <memory>
#include <new>

#include "analysis/nanikiru_search.h"

namespace mizaro {

namespace {

constexpr int kCountBits = 3;  // a hand count is 0..4
constexpr int kKindsInLow = kKindsInLowWord;
constexpr int kFirstSlotBits = 10;  // 1024 slots
constexpr int kNodeBlockShift = 8;  // 256 nodes a block
constexpr std::uint32_t kNodesPerBlock = std::uint32_t{1} << kNodeBlockShift;
constexpr int kPartReadByParent = 64;  // the key, the values' place and the visit counts

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

void SearchCache::SetBase(const KyokuState& base) {
    base_ = base;
    baseHand_ = HandKey(base.hand);
    const int pool = AnalysisPool(base);
    if (pool == kSoloPoolBeforeFirstDraw) {
        chances_ = &SoloDrawChances();
    } else {
        ownChances_ = MakeDrawChances(pool);
        chances_ = &ownChances_;
    }
}

NanikiruSearch* SearchCache::Node(std::uint32_t index) const {
    NodeSlot& slot = nodeBlocks_[index >> kNodeBlockShift][index & (kNodesPerBlock - 1)];
    return std::launder(reinterpret_cast<NanikiruSearch*>(slot.bytes));
}

std::size_t SearchCache::SlotOf(const SearchKey& key, std::uint32_t tag) const {
    const std::size_t mask = (std::size_t{1} << slotBits_) - 1;
    std::size_t i = FirstSlot(tag);
    while (slots_[i].node != 0 && !(slots_[i].tag == tag && Node(slots_[i].node - 1)->key() == key))
        i = (i + 1) & mask;
    return i;
}

NanikiruSearch* SearchCache::Find(const SearchKey& key, std::uint32_t tag) const {
    if (slots_ == nullptr) return nullptr;
    const Slot& slot = slots_[SlotOf(key, tag)];
    return slot.node != 0 ? Node(slot.node - 1) : nullptr;
}

void SearchCache::PrefetchSlot(std::uint32_t tag) const {
    if (slots_ == nullptr) return;
    __builtin_prefetch(&slots_[FirstSlot(tag)]);
}

void SearchCache::PrefetchNode(std::uint32_t tag) const {
    if (slots_ == nullptr) return;
    // The first slot with the key's tag names the node Find will compare, almost always.
    const std::size_t mask = (std::size_t{1} << slotBits_) - 1;
    for (std::size_t i = FirstSlot(tag); slots_[i].node != 0; i = (i + 1) & mask) {
        if (slots_[i].tag == tag) {
            // Two lines: a node may straddle a line within the part its parent reads.
            const auto* node = reinterpret_cast<const char*>(Node(slots_[i].node - 1));
            __builtin_prefetch(node);
            __builtin_prefetch(node + kPartReadByParent - 1);
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
    LargeBlock oldBlock = std::move(slotBlock_);
    const Slot* old = slots_;
    const std::size_t oldCount = old ? std::size_t{1} << slotBits_ : 0;
    slotBits_ = old ? slotBits_ + 1 : kFirstSlotBits;
    const std::size_t count = std::size_t{1} << slotBits_, mask = count - 1;
    slotBlock_ = AllocateLargeBlock(count * sizeof(Slot));
    slots_ = std::launder(reinterpret_cast<Slot*>(slotBlock_.get()));
    std::uninitialized_value_construct_n(slots_, count);
    for (std::size_t n = 0; n < oldCount; ++n) {
        if (old[n].node == 0) continue;
        std::size_t i = FirstSlot(old[n].tag);
        while (slots_[i].node != 0) i = (i + 1) & mask;
        slots_[i] = old[n];
    }
}

NanikiruSearch* SearchCache::Insert(const SearchKey& key, std::uint32_t tag, std::uint32_t index) {
    if (slots_ == nullptr || (findable_ + 1) * 2 > std::size_t{1} << slotBits_) Grow();
    Slot& slot = slots_[SlotOf(key, tag)];
    if (slot.node != 0) return Node(slot.node - 1);
    slot = {tag, index + 1};
    ++findable_;
    return Node(index);
}

bool SearchCache::IsBaseLessOne(const SearchKey& key) const {
    // Hand fields hold 0..4, so a difference of the packed hands that is a single field's 1 can
    // only come from one tile fewer of that kind.
    constexpr std::uint64_t kHandBitsHigh = (std::uint64_t{1} << kKeySlackShift) - 1;
    const std::uint64_t low = baseHand_.low - key.low;
    const std::uint64_t high = baseHand_.high - (key.high & kHandBitsHigh);
    auto oneTile = [](std::uint64_t d, int fields) {
        return std::has_single_bit(d) && std::countr_zero(d) % kCountBits == 0 &&
               std::countr_zero(d) < fields * kCountBits;
    };
    return (high == 0 && oneTile(low, kKindsInLow)) ||
           (low == 0 && oneTile(high, kKinds - kKindsInLow));
}

const KyokuState& SearchCache::StateOf(const NanikiruSearch& node,
                                       KyokuState (*build)(const NanikiruSearch&)) {
    std::lock_guard lock(statesMutex_);
    std::unique_ptr<KyokuState>& state = states_[&node];
    if (!state) state = std::make_unique<KyokuState>(build(node));
    return *state;
}

void SearchCache::Clear() {
    for (std::uint32_t i = 0; i < nodeCount_; ++i) Node(i)->~NanikiruSearch();
    nodeCount_ = 0;
    nodeBlocks_.clear();
    findable_ = 0;
    if (slotBits_ > kFirstSlotBits) {
        slotBlock_.reset();
        slots_ = nullptr;
        slotBits_ = 0;
    } else if (slots_ != nullptr) {
        std::fill_n(slots_, std::size_t{1} << slotBits_, Slot{});
    }
    arena_.Reset();
    childStack_.clear();
    moveStack_.clear();
    {
        std::lock_guard lock(statesMutex_);
        states_.clear();
    }
    created_ = {};
}

}  // namespace mizaro
