// The memo of one top-level analysis: positions already searched, keyed by hand and slack.
//
// A key holds exactly what the text key of a position holds (the slack letter, the 34 hand
// counts and, for a winning position, the winning tile), packed into 128 bits so that lookups
// neither allocate nor compare strings: two positions share a key exactly when their text
// keys are equal. The wall, the turn, the discards and the dora are not part of it, so the
// first node searched for a key answers for every later position with that hand and slack.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/kyoku_state.h"
#include "core/tile.h"

namespace mizaro {

class NanikiruSearch;

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
// The full key of a hand key: MakeSearchKey(hand, ...) == WithSlack(HandKey(hand), ...).
SearchKey WithSlack(SearchKey handKey, int slack, TileKind winningDraw);

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

// Owns every node inserted in it; Clear deletes them. Not shared between analyses, so two
// analyses on two threads need no lock. An open-addressing table: the search looks a key up
// for every reply it tries, so a lookup must not chase list nodes.
class SearchCache {
  public:
    SearchCache();
    ~SearchCache();
    SearchCache(const SearchCache&) = delete;
    SearchCache& operator=(const SearchCache&) = delete;

    NanikiruSearch* Find(const SearchKey& key) const;
    // Takes ownership; a key already present keeps its node and the new one is deleted.
    NanikiruSearch* Insert(const SearchKey& key, std::unique_ptr<NanikiruSearch> node);
    void Clear();
    std::size_t Size() const { return owned_.size(); }

    // The state the nodes of this analysis share beside their own hand and wall: the top's,
    // with riichi assumed.
    const KyokuState* base() const { return &base_; }
    void SetBase(const KyokuState& base) { base_ = base; }
    // Scratch room where a node gathers its children while deeper nodes gather theirs above.
    std::vector<const NanikiruSearch*>& ChildStack() { return childStack_; }

  private:
    struct Slot {
        SearchKey key;
        NanikiruSearch* node = nullptr;  // nullptr marks a free slot
    };
    std::size_t SlotOf(const SearchKey& key) const;  // its slot, or the free slot to take
    void Grow();

    KyokuState base_;          // before the nodes, which point to it until they are gone
    std::vector<Slot> slots_;  // a power of two, at most half full
    std::vector<std::unique_ptr<NanikiruSearch>> owned_;
    std::vector<const NanikiruSearch*> childStack_;
};

}  // namespace mizaro
