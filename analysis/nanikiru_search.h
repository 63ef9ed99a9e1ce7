// NanikiruSearch (何切る？): one node of the discard expected-value search.
//
// Given the hand just after a draw, AnalyzeDiscards tries every discard and, for each
// resulting 13-tile position, computes the expected final points, the chance to win and the
// chance to be ready as functions of the number of the next draw. Below a 13-tile node the
// search tries every drawn kind that may bring the hand closer to ready and every reply
// discard, guided by the shanten count, always assuming riichi and a self-drawn win, scored
// with the position's winds and seat (dealer or not). A draw comes from the position's pool of
// unseen tiles (KyokuState::poolBeforeFirstDraw).
//
// Ownership. The node a caller builds (the top node) owns the memo of its analysis; the nodes
// the search creates live in that memo until FreeCache (or the top node's destruction). A
// node's groups only point into the memo, so after FreeCache a caller reads the top node's
// own fields, never its groups. Two top nodes share nothing and may search on two threads.
// A created node lists its groups again when first asked, from its memo: its groups are read
// by one thread at a time.
//
// Size. A search can create a million nodes, so a created node keeps only what sets its
// position apart from the top's (hand, wall, last draw and discard) and builds its full
// state the first time state() asks for it; the search itself works on one state it changes
// and restores as it descends.
//
// Stopping. A caller's node may be given a stop that another thread sets; the search then
// creates no more nodes and returns within a node's work. A stopped analysis keeps nothing:
// no values, no candidates, no memo, and says so by stopped().
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "analysis/search_cache.h"
#include "core/kyoku_state.h"
#include "core/shanten.h"

namespace mizaro {

// Per-turn values indexed by k, the number of the next draw, 1..18. Index 0 is unused.
inline constexpr int kTurnSlots = kMaxTurns + 1;
using TurnValues = std::array<double, kTurnSlots>;

// Any index past the last draw reads 0: the game is over.
inline double TurnValue(const TurnValues& values, int k) {
    return k >= 0 && k < kTurnSlots ? values[k] : 0.0;
}

// The value of each discard kind; 0 marks a kind that is no candidate.
using DiscardValues = std::array<double, kKinds>;

// The successors of a node after one drawn kind: children [first, first + count) of the node,
// in ascending kind of the reply discard, or the one winning node when the draw completes
// the hand. The top node has one group, the discard candidates, with `drawn` kNoTile.
// Four bytes: a search keeps millions of them.
struct DrawGroup {
    std::int8_t drawn = kNoTile;
    std::uint8_t count = 0;   // at most 13 replies, or 14 candidates
    std::uint16_t first = 0;  // at most 34 drawn kinds of 13 replies before it
};

class alignas(32) NanikiruSearch {
  public:
    NanikiruSearch(const KyokuState& state, bool riichiAssumed, bool expectUra, int slack);
    ~NanikiruSearch();
    NanikiruSearch(const NanikiruSearch&) = delete;
    NanikiruSearch& operator=(const NanikiruSearch&) = delete;

    // On a 14-tile position: the candidate discards with their searched subtrees.
    void AnalyzeDiscards();
    // On a 13-tile position: builds the subtree and fills the per-turn values. With
    // `clearCache` the memo of this node's analysis starts empty.
    void Search(bool clearCache);
    // After AnalyzeDiscards: each candidate's expected value at the next draw, by discard kind.
    void CandidateValues(DiscardValues& values) const;
    // Deletes every node of this node's memo; the node's own fields stay readable.
    void FreeCache();
    // The stop of this caller's node's analyses (nullptr: they never stop); it must outlive
    // them.
    void SetStop(const std::atomic<bool>* stop) { caller_->stop = stop; }
    // Whether the last analysis was stopped before it ended; its values are then all 0.
    bool stopped() const { return caller_ && caller_->stopped; }
    // A caller that runs many small analyses in turn may hand each node the memo of the one
    // before (emptied by ReleaseCache), so that the storage it grew is used again.
    void AdoptCache(std::unique_ptr<SearchCache> cache);
    std::unique_ptr<SearchCache> ReleaseCache();
    // The memo key of a created node (the hand alone on a caller's node).
    const SearchKey& key() const { return key_; }

    // The node's complete state; safe to call from several threads at once.
    const KyokuState& state() const;
    int slack() const { return slack_; }
    bool expectUra() const { return expectUra_; }
    int effKinds() const { return effKinds_; }
    int effTiles() const { return effTiles_; }
    TurnValues ev() const { return Turns(kEvRow); }
    TurnValues winProb() const { return Turns(kWinRow); }
    TurnValues tenpaiProb() const { return Turns(kTenpaiRow); }
    // The positions an analysis created, itself included: on a node a caller built.
    const PositionCounts& evaluated() const { return caller_ ? caller_->evaluated : kNoPositions; }
    const PositionCounts& visited() const { return visited_; }
    double seconds() const { return caller_ ? caller_->seconds : 0.0; }

    std::span<const DrawGroup> groups() const {
        if (listing_ == nullptr) ListChildren();
        return {listing_->groups, static_cast<std::size_t>(listing_->groupCount)};
    }
    // Of a group groups() gave.
    std::span<const NanikiruSearch* const> Members(const DrawGroup& group) const {
        return {listing_->children + group.first, static_cast<std::size_t>(group.count)};
    }
    // The top node's candidates (its only group); empty before AnalyzeDiscards.
    std::span<const NanikiruSearch* const> CandidateNodes() const;

  private:
    // Tests build small trees by hand to check the recurrence's comparison rules.
    friend class NanikiruSearchTestPeer;

    // The wall counts (0..4) by halves of a byte.
    static constexpr int kWallBits = 4;
    using PackedWall = std::array<std::uint8_t, (kKinds + 1) / 2>;

    // A node the search creates: `work` is its position, whose wall is the parent's less the
    // tile `drawn` (if any); `cache` holds the rest of its state, shared by every node of the
    // analysis.
    NanikiruSearch(SearchCache& cache, const KyokuState& work, const SearchKey& key, bool expectUra,
                   int slack, const PackedWall& parentWall, TileKind drawn);

    SearchCache& OwnCache();
    KyokuState StartAnalysis(SearchCache& cache) const;
    // After an analysis: whether it was stopped, in which case what it left is dropped.
    bool EndStopped(SearchCache& cache);
    // `work` is this node's position; it is changed on the way down and restored.
    void SearchIn(SearchCache& cache, KyokuState& work);
    // The moves from a position (`hand`, `wall`, counted by `around`) appended to `moves`, by
    // drawn kind in `draws` (moves first..first + count from the list's bottom, in ascending
    // kind of the reply); returns the number of kinds drawn, and the tiles of those kinds in
    // `effTiles`. The same position always lists the same moves.
    struct DrawnMoves {
        TileKind drawn;
        int first, count;
    };
    int ListMoves(const TileCounts& hand, const TileCounts& wall, const ShantenAround& around,
                  std::vector<SearchMove>& moves, std::array<DrawnMoves, kKinds>& draws,
                  int& effTiles) const;
    // Lists a created node's groups again from its position and the memo.
    void ListChildren() const;
    void Evaluate(const DrawChances& chances, SearchArena* arena, std::span<const DrawGroup> groups,
                  std::span<const NanikiruSearch* const> children);
    // The child reached from `work` by drawing `drawn` and then discarding `discarded`
    // (either may be kNoTile), taken from the memo under `key` when present, else created,
    // searched (or scored, when `winning`) and memoised; `tag` is the key's. Adds its visits to
    // this node's. Nullptr, with nothing created, once the analysis is stopped.
    const NanikiruSearch* Child(SearchCache& cache, KyokuState& work, const SearchKey& key,
                                std::uint32_t tag, TileKind drawn, TileKind discarded,
                                int childSlack, bool winning);
    void AddVisits(const NanikiruSearch& child);
    void SumVisits();  // entry 8
    // A caller's node: the positions its analysis created (counted by the memo), and itself.
    void TakeEvaluated(SearchCache& cache);
    static constexpr PositionCounts kNoPositions{};
    // The points of the winning position `s` without and with ippatsu, scored as the search
    // values a win; `s.result` is left holding the reading without ippatsu.
    static std::pair<int, int> ScoreWin(KyokuState& s, bool expectUra);
    bool Winning() const { return slack_ == kMinKeySlack; }

    // The per-turn values are kept only up to the last draw number at which any of them is
    // non-zero: a hand n steps from ready has none in its last n draws, and a winning node
    // none at all. They are kept from draw 1 on a caller's node and on a created node whose
    // hand a caller's analysis of discards may list as a candidate; every other created node
    // is read from draw 2 on (a parent reads a child at its own draw number plus one, a report
    // at the top's plus one), so its draw 1 is not kept.
    enum TurnRow { kEvRow, kWinRow, kTenpaiRow, kTurnRows };
    double Turn(TurnRow row, int k) const {
        return k >= turnFirst_ && k <= turnLast_ ? turns_[TurnIndex(row, k, turnFirst_, turnLast_)]
                                                 : 0.0;
    }
    TurnValues Turns(TurnRow row) const;
    // The expected values come first, then the chances to win and to be ready side by side:
    // a parent reads every expected value of a child but the two chances only of its best
    // replies, and then both at once.
    static int TurnIndex(TurnRow row, int k, int first, int last) {
        const int at = k - first, draws = last - first + 1;
        return row == kEvRow ? at : draws + 2 * at + (row == kTenpaiRow);
    }
    // A created node keeps its values in the memo's arena, a caller's node in its own storage
    // so that they outlive the memo.
    void StoreTurns(const TurnValues& ev, const TurnValues& win, const TurnValues& tenpai,
                    SearchArena* arena);
    void SetChildren(SearchCache& cache, std::span<const NanikiruSearch* const> children,
                     std::span<const DrawGroup> groups);

    // What only a node a caller built has: the memo of its analyses, its values (kept apart
    // from the memo so that they outlive it) and its search time.
    struct CallerPart {
        KyokuState state;
        std::unique_ptr<SearchCache> cache;
        std::unique_ptr<double[]> turns;
        PositionCounts evaluated{};
        double seconds = 0.0;
        const std::atomic<bool>* stop = nullptr;
        bool stopped = false;
    };

    // The fields are ordered so that what a parent reads of each child (the key at the memo
    // probe, the counters, the values) comes first. A search keeps a million nodes, so the
    // rest is packed: 128 bytes in all.
    SearchKey key_;                  // holds the hand
    const double* turns_ = nullptr;  // draws turnFirst_..turnLast_ of each row, see TurnIndex
    std::int8_t turnFirst_ = 1;
    std::int8_t turnLast_ = 0;
    std::int8_t shanten_ = 0;  // of the position as searched
    std::int8_t slack_ = 0;    // kMinKeySlack on a winning node
    PositionCounts visited_{};

    // The position as it differs from the base state.
    int Wall(TileKind k) const { return wall_[k / 2] >> (k % 2 * kWallBits) & 0xF; }
    void SetWall(const TileCounts& wall);
    PackedWall wall_{};
    std::int8_t lastDraw_ = 0;
    std::int8_t lastDiscard_ = 0;
    bool expectUra_ = true;
    std::int8_t effKinds_ = 0;
    std::int16_t effTiles_ = 0;
    // A winning node's points, scored once: the recurrence asks for them at every draw
    // number and from every parent, and they depend on the node's own state alone.
    int winPoints_ = 0;
    int winPointsIppatsu_ = 0;
    // The groups and their members, in the memo's arena: on a created node only once asked
    // for.
    struct Listing {
        const DrawGroup* groups = nullptr;
        const NanikiruSearch* const* children = nullptr;
        int groupCount = 0;
    };
    mutable const Listing* listing_ = nullptr;
    // The memo that holds a created node, with the top's state and the node's own full state
    // once asked for; nullptr on a node a caller built.
    SearchCache* cache_ = nullptr;
    std::unique_ptr<CallerPart> caller_;  // only on a node a caller built
};

}  // namespace mizaro
