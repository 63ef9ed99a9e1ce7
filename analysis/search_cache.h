// The memo of one top-level analysis: positions already searched, keyed by hand and slack.
//
// A key holds exactly what the text key of a position holds (the slack letter, the 34 hand
// counts and, for a winning position, the winning tile), packed into 128 bits so that lookups
// neither allocate nor compare strings: two positions share a key exactly when their text
// keys are equal. The wall, the turn, the discards and the dora are not part of it, so the
// first node searched for a key answers for every later position with that hand and slack.
#pragma once

#include <array>
#include <atomic>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <utility>
#include <vector>

#include "analysis/draw_chance.h"
#include "analysis/search_arena.h"
#include "core/kyoku_state.h"
#include "core/tile.h"

namespace mizaro {

class NanikiruSearch;

// Positions by shanten + 1 (0 complete, 1 ready, ..., 7 six from ready); entry 8 their sum.
// Visits stop counting at the largest int.
inline constexpr int kShantenRows = 8;
inline constexpr int kPositionTotal = kShantenRows;
using PositionCounts = std::array<int, kShantenRows + 1>;

inline constexpr int kMinKeySlack = -1;  // a winning node
inline constexpr int kMaxKeySlack = 6;   // the letter field holds slack + 1 in three bits

struct SearchKey {
    std::uint64_t low = 0;
    std::uint64_t high = 0;
    bool operator==(const SearchKey&) const = default;
};

// `winningDraw` is the last drawn kind of a winning position, kNoTile for every other one.
SearchKey MakeSearchKey(const TileCounts& hand, int slack, TileKind winningDraw);

// The hand part of a key alone. Each count sits in its own 3-bit field and stays within 0..4,
// so one tile drawn or discarded moves one field by one without a carry: the search derives
// the keys of the hands it tries from its own by a single addition.
SearchKey HandKey(const TileCounts& hand);
inline constexpr int kKindsInLowWord = 21;  // 63 bits of the low word
inline SearchKey AddTile(SearchKey key, TileKind k) {
    if (k < kKindsInLowWord)
        key.low += std::uint64_t{1} << (3 * k);
    else
        key.high += std::uint64_t{1} << (3 * (k - kKindsInLowWord));
    return key;
}
inline SearchKey RemoveTile(SearchKey key, TileKind k) {
    if (k < kKindsInLowWord)
        key.low -= std::uint64_t{1} << (3 * k);
    else
        key.high -= std::uint64_t{1} << (3 * (k - kKindsInLowWord));
    return key;
}
// The fields above the hand in the high word: slack + 1 in three bits, then a flag and the
// winning kind.
inline constexpr int kKeySlackShift = (kKinds - kKindsInLowWord) * 3;  // 39
inline constexpr int kKeyDrawFlagShift = kKeySlackShift + 3;
inline constexpr int kKeyDrawShift = kKeyDrawFlagShift + 1;

// The full key of a hand key: MakeSearchKey(hand, ...) == WithSlack(HandKey(hand), ...).
// Inline: the search makes one for every move it lists.
inline SearchKey WithSlack(SearchKey handKey, int slack, TileKind winningDraw) {
    assert(slack >= kMinKeySlack && slack <= kMaxKeySlack);
    SearchKey key = handKey;
    key.high |= static_cast<std::uint64_t>(slack - kMinKeySlack) << kKeySlackShift;
    if (winningDraw != kNoTile) {
        key.high |= std::uint64_t{1} << kKeyDrawFlagShift;
        key.high |= static_cast<std::uint64_t>(winningDraw) << kKeyDrawShift;
    }
    return key;
}

struct SearchKeyHash {
    std::size_t operator()(const SearchKey& key) const {
        // Mix both halves so that hands differing only in the honours spread as well.
        std::uint64_t h = key.low * 0x9E3779B97F4A7C15ull ^ (key.high + 0x632BE59BD9B4E019ull);
        h ^= h >> 29;
        h *= 0xBF58476D1CE4E5B9ull;
        h ^= h >> 32;
        return static_cast<std::size_t>(h);
    }
};

// One move of the search from a node: the kind drawn, then the kind given up (kNoTile for a
// winning draw), and the key and slack of the node it leads to (slack -1: a winning node).
struct SearchMove {
    SearchKey key;
    std::uint32_t tag;  // SearchCache::TagOf(key)
    TileKind drawn;
    TileKind discarded;
    int slack;
};

// The hand of a key: its 34 counts.
TileCounts HandOfKey(const SearchKey& key);

// Owns the nodes of one analysis and the arrays they point to; Clear deletes them all. Not
// shared between analyses, so two analyses on two threads need no lock.
//
// The table is open addressing over 8-byte slots, each a tag from the key's hash and the index
// of its node: the search looks a key up for every reply it tries, so a probe must not chase
// list nodes, and the node it finds is read next anyway, where the full key is compared.
// Nodes sit in fixed blocks addressed by index, so that a slot needs no pointer.
class SearchCache {
  public:
    SearchCache();
    ~SearchCache();
    SearchCache(const SearchCache&) = delete;
    SearchCache& operator=(const SearchCache&) = delete;

    // A key's tag: the high half of its hash, which also places it in the table. A search
    // works it out once per move and hands it to every call below.
    static std::uint32_t TagOf(const SearchKey& key) {
        return static_cast<std::uint32_t>(static_cast<std::uint64_t>(SearchKeyHash{}(key)) >> 32);
    }
    NanikiruSearch* Find(const SearchKey& key, std::uint32_t tag) const;
    NanikiruSearch* Find(const SearchKey& key) const { return Find(key, TagOf(key)); }
    // Hints that Find(key) follows soon: the first brings the key's slot towards the
    // processor, the second (once the slot has arrived) the node it names.
    void PrefetchSlot(std::uint32_t tag) const;
    void PrefetchNode(std::uint32_t tag) const;
    // Room for one more node, to be built there before it is inserted; `index` names it.
    struct NodeRoom {
        void* storage;
        std::uint32_t index;
    };
    NodeRoom NewNodeRoom();
    // Makes the node built at `index` findable under its key; a key already present keeps
    // its node, and the one given stays unused until Clear.
    NanikiruSearch* Insert(const SearchKey& key, std::uint32_t tag, std::uint32_t index);
    // Deletes every node and forgets every array. The first blocks of storage are kept, so
    // that a memo used for many small analyses in turn allocates nothing after the first.
    void Clear();
    std::size_t Size() const { return findable_; }

    // The nodes created since the last Clear or TakeCreated, by row (entry 8 left 0).
    void CountCreated(int row) { ++created_[row]; }
    PositionCounts TakeCreated() { return std::exchange(created_, PositionCounts{}); }

    // The stop of the analysis under way (nullptr: it never stops). The search asks StopNow
    // before each node it creates: a relaxed load, as a stop seen one node late costs nothing.
    // Once it has answered true it keeps answering true until the next SetStop.
    void SetStop(const std::atomic<bool>* stop) {
        stop_ = stop;
        stopped_ = false;
    }
    bool StopNow() {
        if (stop_ != nullptr && stop_->load(std::memory_order_relaxed)) stopped_ = true;
        return stopped_;
    }
    bool stopped() const { return stopped_; }

    // The arrays of the nodes: their per-turn values and successor lists.
    SearchArena& Arena() { return arena_; }

    // The full state of a created node, made by `build` when first asked for and kept until
    // Clear; safe to ask from several threads at once.
    const KyokuState& StateOf(const NanikiruSearch& node,
                              KyokuState (*build)(const NanikiruSearch&));

    // The state the nodes of this analysis share beside their own hand and wall: the top's,
    // with riichi assumed.
    const KyokuState* base() const { return &base_; }
    void SetBase(const KyokuState& base);
    // The chances of a draw for the base's pool.
    const DrawChances& Chances() const { return *chances_; }
    // Whether the hand of `key` is the base's less one tile: the hands the caller's analysis
    // of discards lists as its candidates.
    bool IsBaseLessOne(const SearchKey& key) const;
    // Scratch room where a node gathers its children while deeper nodes gather theirs above.
    std::vector<const NanikiruSearch*>& ChildStack() { return childStack_; }
    // The same for the moves a node lists before it visits them.
    std::vector<SearchMove>& MoveStack() { return moveStack_; }

  private:
    struct Slot {
        std::uint32_t tag = 0;
        std::uint32_t node = 0;  // the node's index + 1; 0 marks a free slot
    };
    NanikiruSearch* Node(std::uint32_t index) const;
    // A key's first slot comes from the top bits of its tag, so that the table can grow
    // without reading any node again.
    std::size_t FirstSlot(std::uint32_t tag) const { return tag >> (32 - slotBits_); }
    std::size_t SlotOf(const SearchKey& key, std::uint32_t tag) const;  // its slot or a free one
    void Grow();

    KyokuState base_;  // before the nodes, which point to it until they are gone
    SearchKey baseHand_;
    const DrawChances* chances_ = &SoloDrawChances();
    DrawChances ownChances_;  // for a pool other than the solo game's
    // 2^slotBits_ slots (none before the first insertion), at most half full.
    LargeBlock slotBlock_;
    Slot* slots_ = nullptr;
    int slotBits_ = 0;
    std::size_t findable_ = 0;
    struct NodeSlot;                     // room for one node, aligned as a node
    std::vector<NodeSlot*> nodeBlocks_;  // in the arena
    std::uint32_t nodeCount_ = 0;
    SearchArena arena_;
    std::vector<const NanikiruSearch*> childStack_;
    std::vector<SearchMove> moveStack_;
    PositionCounts created_{};
    const std::atomic<bool>* stop_ = nullptr;
    bool stopped_ = false;
    std::mutex statesMutex_;
    std::unordered_map<const NanikiruSearch*, std::unique_ptr<KyokuState>> states_;
};

}  // namespace mizaro
