#include "analysis/nanikiru_search.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <chrono>
#include <cstring>
#include <limits>
#include <tuple>
#include <utility>
#include <vector>

#include "core/shanten.h"

namespace mizaro {

namespace {

constexpr int kAssumedRiichiTurn = 100;  // riichi declared, but never an ippatsu by turn
constexpr int kHandBetweenDraws = 13;
constexpr int kHandAfterDraw = 14;
constexpr int kLastDraw = kMaxTurns;
// The first turn that scores no 天和: a win the search imagines always comes after a discard.
constexpr int kFirstTurnAfterDiscard = 2;
constexpr int kDoublesALine = 8;
// A memo smaller than this stays near the processor: asking for its reads ahead costs more
// than it saves.
constexpr std::size_t kMemoBeyondCache = 4096;

// A drawn kind that no held tile can join (no tile of its suit within two places, or an honour
// not held) adds nothing to the regular form, whichever tile the reply gives up. The shanten
// of every reply then depends only on the held tiles and on whether the thirteen orphans count
// the drawn kind, so all such draws of one class share one count of their replies.
enum DeadDraw { kDeadSimple, kDeadOrphan, kDeadDrawKinds, kNo = kDeadDrawKinds };

DeadDraw DeadDrawOf(const TileCounts& hand, TileKind drawn) {
    constexpr TileKind kFirstHonour = 27;
    constexpr int kSuitLength = 9, kReach = 2;
    if (drawn >= kFirstHonour) return hand[drawn] == 0 ? kDeadOrphan : kNo;
    const int place = drawn % kSuitLength, suitStart = drawn - place;
    for (int p = std::max(0, place - kReach); p <= std::min(kSuitLength - 1, place + kReach); ++p)
        if (hand[suitStart + p] > 0) return kNo;
    return place == 0 || place == kSuitLength - 1 ? kDeadOrphan : kDeadSimple;
}

// Reuses are counted in full, so a deep search with slack reaches billions of visits; the
// count stops at the largest int instead of wrapping.
int SaturatingAdd(int a, int b) {
    const long long sum = static_cast<long long>(a) + b;
    return sum > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max()
                                                 : static_cast<int>(sum);
}

}  // namespace

static_assert(sizeof(NanikiruSearch) <= 128, "a search keeps a million nodes");

NanikiruSearch::NanikiruSearch(const KyokuState& state, bool riichiAssumed, bool expectUra,
                               int slack)
    : slack_(static_cast<std::int8_t>(slack)),
      expectUra_(expectUra),
      caller_(std::make_unique<CallerPart>()) {
    KyokuState& full = caller_->state;
    full = state;
    if (riichiAssumed) full.reachTurn = kAssumedRiichiTurn;
    key_ = HandKey(full.hand);
    SetWall(full.wall);
    lastDraw_ = static_cast<std::int8_t>(full.lastDraw);
    lastDiscard_ = static_cast<std::int8_t>(full.lastDiscard);
}

NanikiruSearch::NanikiruSearch(SearchCache& cache, const KyokuState& work, const SearchKey& key,
                               bool expectUra, int slack, const PackedWall& parentWall,
                               TileKind drawn)
    : key_(key),
      slack_(static_cast<std::int8_t>(slack)),
      wall_(parentWall),
      expectUra_(expectUra),
      cache_(&cache) {
    if (drawn != kNoTile)
        wall_[drawn / 2] =
            static_cast<std::uint8_t>(wall_[drawn / 2] - (1 << (drawn % 2 * kWallBits)));
    lastDraw_ = static_cast<std::int8_t>(work.lastDraw);
    lastDiscard_ = static_cast<std::int8_t>(work.lastDiscard);
}

NanikiruSearch::~NanikiruSearch() = default;

void NanikiruSearch::SetWall(const TileCounts& wall) {
    wall_.fill(0);
    for (TileKind k = 0; k < kKinds; ++k)
        wall_[k / 2] = static_cast<std::uint8_t>(wall_[k / 2] | wall[k] << (k % 2 * kWallBits));
}

const KyokuState& NanikiruSearch::state() const {
    if (caller_) return caller_->state;
    return cache_->StateOf(*this, [](const NanikiruSearch& node) {
        // The base with this node's own fields, scored again when it is a win (the scoring is
        // deterministic, so the reading is the one the search valued).
        KyokuState built = *node.cache_->base();
        built.hand = HandOfKey(node.key_);
        for (TileKind k = 0; k < kKinds; ++k) built.wall[k] = node.Wall(k);
        built.lastDraw = node.lastDraw_;
        built.lastDiscard = node.lastDiscard_;
        if (node.Winning()) ScoreWin(built, node.expectUra_);
        return built;
    });
}

TurnValues NanikiruSearch::Turns(TurnRow row) const {
    TurnValues values{};
    for (int k = turnFirst_; k <= turnLast_; ++k) values[k] = Turn(row, k);
    return values;
}

void NanikiruSearch::StoreTurns(const TurnValues& ev, const TurnValues& win,
                                const TurnValues& tenpai, SearchArena* arena) {
    // Compared bit by bit, so that a stored value always reads back exactly, sign included.
    auto zero = [](double v) { return std::bit_cast<std::uint64_t>(v) == 0; };
    int last = kLastDraw;
    while (last > 0 && zero(ev[last]) && zero(win[last]) && zero(tenpai[last])) --last;
    const int first = cache_ && !cache_->IsBaseLessOne(key_) ? 2 : 1;
    if (last < first) last = 0;
    const int count = last == 0 ? 0 : kTurnRows * (last - first + 1);
    double* to = nullptr;
    if (count > 0 && cache_ && arena) {
        to = arena->Allocate<double>(count);
    } else if (count > 0) {
        caller_->turns = std::make_unique<double[]>(count);
        to = caller_->turns.get();
    }
    turnFirst_ = static_cast<std::int8_t>(first);
    turnLast_ = static_cast<std::int8_t>(last);
    turns_ = to;
    const TurnValues* rows[kTurnRows] = {&ev, &win, &tenpai};
    for (int r = 0; r < kTurnRows; ++r)
        for (int k = first; k <= last; ++k)
            to[TurnIndex(static_cast<TurnRow>(r), k, first, last)] = (*rows[r])[k];
}

void NanikiruSearch::SetChildren(SearchCache& cache,
                                 std::span<const NanikiruSearch* const> children,
                                 std::span<const DrawGroup> groups) {
    auto* c = cache.Arena().Allocate<const NanikiruSearch*>(children.size());
    std::copy(children.begin(), children.end(), c);
    auto* g = cache.Arena().Allocate<DrawGroup>(groups.size());
    std::copy(groups.begin(), groups.end(), g);
    listing_ =
        new (cache.Arena().Allocate<Listing>(1)) Listing{g, c, static_cast<int>(groups.size())};
}

SearchCache& NanikiruSearch::OwnCache() {
    if (!caller_->cache) caller_->cache = std::make_unique<SearchCache>();
    return *caller_->cache;
}

// The working state of an analysis starts as its base: this node's, with riichi assumed.
KyokuState NanikiruSearch::StartAnalysis(SearchCache& cache) const {
    KyokuState work = state();
    work.reachTurn = kAssumedRiichiTurn;
    cache.SetBase(work);
    cache.SetStop(caller_->stop);
    return work;
}

bool NanikiruSearch::EndStopped(SearchCache& cache) {
    caller_->stopped = cache.stopped();
    if (!caller_->stopped) return false;
    // The nodes the stop cut short hold no values, and their parents summed them as 0: none of
    // it may pass for an analysis' result, nor serve a later one from the memo.
    FreeCache();
    turns_ = nullptr;
    turnFirst_ = 1;
    turnLast_ = 0;
    caller_->turns.reset();
    caller_->evaluated.fill(0);
    caller_->seconds = 0.0;
    visited_.fill(0);
    return true;
}

void NanikiruSearch::FreeCache() {
    // The groups point into the memo; dropping them keeps a later read from reaching freed
    // nodes.
    listing_ = nullptr;
    if (caller_ && caller_->cache) caller_->cache->Clear();
}

void NanikiruSearch::AdoptCache(std::unique_ptr<SearchCache> cache) {
    FreeCache();
    caller_->cache = std::move(cache);
    if (caller_->cache) caller_->cache->Clear();
}

std::unique_ptr<SearchCache> NanikiruSearch::ReleaseCache() {
    FreeCache();
    return std::move(caller_->cache);
}

std::span<const NanikiruSearch* const> NanikiruSearch::CandidateNodes() const {
    const std::span<const DrawGroup> all = groups();
    if (all.empty()) return {};
    return Members(all[0]);
}

void NanikiruSearch::AddVisits(const NanikiruSearch& child) {
    for (int i = 0; i < kShantenRows; ++i)
        visited_[i] = SaturatingAdd(visited_[i], child.visited_[i]);
}

void NanikiruSearch::SumVisits() {
    visited_[kPositionTotal] = 0;
    for (int i = 0; i < kShantenRows; ++i)
        visited_[kPositionTotal] = SaturatingAdd(visited_[kPositionTotal], visited_[i]);
}

void NanikiruSearch::TakeEvaluated(SearchCache& cache) {
    PositionCounts& evaluated = caller_->evaluated;
    evaluated = cache.TakeCreated();
    evaluated[shanten_ + 1] += 1;
    for (int i = 0; i < kShantenRows; ++i) evaluated[kPositionTotal] += evaluated[i];
}

const NanikiruSearch* NanikiruSearch::Child(SearchCache& cache, KyokuState& work,
                                            const SearchKey& key, std::uint32_t tag, TileKind drawn,
                                            TileKind discarded, int childSlack, bool winning) {
    if (const NanikiruSearch* found = cache.Find(key, tag)) {
        AddVisits(*found);
        return found;
    }
    if (cache.StopNow()) return nullptr;
    // The move is made on the working state and taken back afterwards, fields included.
    const TileKind lastDraw = work.lastDraw, lastDiscard = work.lastDiscard;
    if (drawn != kNoTile) work.DrawKind(drawn);
    if (discarded != kNoTile) work.RemoveFromHand(discarded, false);
    const SearchCache::NodeRoom room = cache.NewNodeRoom();
    NanikiruSearch* node =
        new (room.storage) NanikiruSearch(cache, work, key, expectUra_, childSlack, wall_, drawn);
    if (winning) {
        node->visited_[0] = 1;
        KyokuState scored = work;  // the scoring writes its reading into the state
        std::tie(node->winPoints_, node->winPointsIppatsu_) = ScoreWin(scored, expectUra_);
    } else {
        node->SearchIn(cache, work);
    }
    if (discarded != kNoTile) ++work.hand[discarded];
    if (drawn != kNoTile) --work.hand[drawn], ++work.wall[drawn];
    work.lastDraw = lastDraw;
    work.lastDiscard = lastDiscard;
    cache.CountCreated(winning ? 0 : node->shanten_ + 1);
    AddVisits(*node);
    return cache.Insert(key, tag, room.index);
}

std::pair<int, int> NanikiruSearch::ScoreWin(KyokuState& s, bool expectUra) {
    // The searched positions keep the turn of the top position, which is 1 before the first
    // discard; a win reached through further draws and discards must not score 天和.
    int turn = s.turn;
    s.turn = std::max(turn, kFirstTurnAfterDiscard);
    // The plain reading is scored last so that `result` keeps the reading without ippatsu.
    const int ippatsu = s.EvaluateWin(expectUra, true);
    const int plain = s.EvaluateWin(expectUra, false);
    s.turn = turn;
    return {plain, ippatsu};
}

void NanikiruSearch::AnalyzeDiscards() {
    FreeCache();
    SearchCache& cache = OwnCache();
    caller_->evaluated.fill(0);
    caller_->stopped = false;
    visited_.fill(0);
    if (state().HandTileCount() != kHandAfterDraw) return;
    KyokuState work = StartAnalysis(cache);

    const TileCounts hand = work.hand;
    const int top = Shanten(hand);
    shanten_ = static_cast<std::int8_t>(top);
    auto start = std::chrono::steady_clock::now();
    visited_[top + 1] += 1;

    std::vector<const NanikiruSearch*>& candidates = cache.ChildStack();
    TileCounts after = hand;
    for (TileKind i = 0; i < kKinds; ++i) {
        if (hand[i] < 1) continue;
        --after[i];
        const int diff = Shanten(after) - top;
        // From one step before ready only the discards that keep the hand ready count.
        if (diff <= slack_ && !(top == 0 && diff != 0)) {
            const int childSlack = slack_ - diff;
            const SearchKey key = MakeSearchKey(after, childSlack, kNoTile);
            const NanikiruSearch* c =
                Child(cache, work, key, SearchCache::TagOf(key), kNoTile, i, childSlack, false);
            if (c == nullptr) break;
            candidates.push_back(c);
        }
        ++after[i];
    }
    if (cache.stopped()) {
        candidates.clear();
        EndStopped(cache);
        return;
    }
    const DrawGroup all{kNoTile, static_cast<std::uint8_t>(candidates.size()), 0};
    SetChildren(cache, candidates, {&all, 1});
    candidates.clear();

    TurnValues win{}, tenpai{};
    for (int k = 1; k <= kLastDraw; ++k) {
        if (top <= 0) tenpai[k] = 1.0;
        if (top == -1) win[k] = 1.0;
    }
    StoreTurns(TurnValues{}, win, tenpai, nullptr);
    SumVisits();
    TakeEvaluated(cache);
    caller_->seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void NanikiruSearch::CandidateValues(DiscardValues& values) const {
    values.fill(0.0);
    if (shanten_ == -1) return;
    for (const NanikiruSearch* c : CandidateNodes())
        values[c->lastDiscard_] = c->Turn(kEvRow, state().turn + 1);
}

void NanikiruSearch::Search(bool clearCache) {
    caller_->stopped = false;
    if (state().HandTileCount() != kHandBetweenDraws) return;
    if (clearCache) FreeCache();
    visited_.fill(0);
    SearchCache& cache = OwnCache();
    cache.TakeCreated();  // counts of an earlier analysis on a memo kept
    KyokuState work = StartAnalysis(cache);
    SearchIn(cache, work);
    if (EndStopped(cache)) return;
    TakeEvaluated(cache);
}

int NanikiruSearch::ListMoves(const TileCounts& hand, const TileCounts& wall,
                              const ShantenAround& around, std::vector<SearchMove>& moves,
                              std::array<DrawnMoves, kKinds>& draws, int& effTiles) const {
    const mizaro::Candidates& effective = around.Effective();
    const int v = effective.shanten;
    const std::size_t movesBottom = moves.size();
    // The kinds a reply can give up: the held ones (never the drawn tile itself).
    const std::span<const TileKind> held = around.Held();
    const int heldCount = static_cast<int>(held.size());
    // A discard never lowers a count and a draw lowers it by one at most, so the count after
    // a draw u and a discard j lies between max(u, the count without j less one) and the count
    // without j. Where those meet, or where even the lower one leaves no slack for the reply,
    // the exchange needs no count of its own.
    // A draw leaves u at v - 1 or v, so two sets of discards to count serve every draw.
    std::array<int, kKinds> withoutOne;
    std::uint64_t uncertainAfter[2] = {0, 0};  // by u - (v - 1)
    if (v > 0) {
        for (int h = 0; h < heldCount; ++h) {
            const TileKind j = held[h];
            const int w = around.AfterDiscard(j);
            withoutOne[j] = w;
            for (int d = 0; d < 2; ++d)
                if (v - 1 + d < w && w - 1 < v + slack_) uncertainAfter[d] |= std::uint64_t{1} << j;
        }
    }

    const SearchKey handKey = HandKey(hand);
    std::array<int, kKinds> liveReplies;
    std::array<int, kKinds> deadReplies[kDeadDrawKinds];
    // The discards each dead class was counted for; none (all ones) before its first draw.
    std::uint64_t deadCounted[kDeadDrawKinds] = {~std::uint64_t{0}, ~std::uint64_t{0}};
    int drawCount = 0;
    effTiles = 0;
    for (TileKind i = 0; i < kKinds; ++i) {
        const int wallCount = wall[i];
        if (wallCount <= 0) continue;
        // Without slack only a draw that lowers the shanten enters, and a kind the shanten
        // count does not flag can never lower it: skipping it changes nothing.
        if (slack_ <= 0 && !effective.flags[i]) continue;
        const SearchKey drawnKey = AddTile(handKey, i);
        // Drawing never raises the shanten, and an unflagged kind cannot lower it.
        const int u = effective.flags[i] ? around.AfterDraw(i) : v;
        // A ready hand looks only at winning draws, whatever slack it has left.
        if (!(u < v + slack_ && !(u == 0 && v == 0))) continue;
        effTiles += wallCount;
        const int first = static_cast<int>(moves.size() - movesBottom);
        if (u == -1) {
            const SearchKey key = WithSlack(drawnKey, -1, i);
            moves.push_back({key, SearchCache::TagOf(key), i, kNoTile, -1});
        } else {
            // The drawn tile itself is never discarded: keeping the old hand is the stay
            // option of the recurrence.
            assert(u == v - 1 || u == v);  // a draw lowers a count by one at most
            const std::uint64_t uncertain = uncertainAfter[u - (v - 1)];
            const DeadDraw dead = DeadDrawOf(hand, i);
            std::array<int, kKinds>& replyShanten = dead == kNo ? liveReplies : deadReplies[dead];
            if (dead == kNo || deadCounted[dead] != uncertain) {
                around.AfterExchange(i, replyShanten, uncertain);
                if (dead != kNo) deadCounted[dead] = uncertain;
            }
            for (int h = 0; h < heldCount; ++h) {
                const TileKind j = held[h];
                if (j == i) continue;
                const int after = uncertain >> j & 1 ? replyShanten[j] : withoutOne[j];
                const int step = after - v;
                if (step < slack_) {
                    // Lowering the shanten keeps the slack; keeping it costs one.
                    const int childSlack = slack_ - step - 1;
                    const SearchKey key = WithSlack(RemoveTile(drawnKey, j), childSlack, kNoTile);
                    moves.push_back({key, SearchCache::TagOf(key), i, j, childSlack});
                }
            }
        }
        draws[drawCount++] = {i, first, static_cast<int>(moves.size() - movesBottom) - first};
    }
    return drawCount;
}

void NanikiruSearch::SearchIn(SearchCache& cache, KyokuState& work) {
    if (work.HandTileCount() != kHandBetweenDraws) return;
    // Every count below is of this hand with one tile drawn, and perhaps one discarded.
    const ShantenAround around(work.hand);
    const int v = around.Effective().shanten;
    shanten_ = static_cast<std::int8_t>(v);
    visited_[v + 1] += 1;

    // Every draw's moves are listed first, on the analysis' shared list (a deeper node lists
    // its own above them and takes them off again). Most are found in the memo, each a read
    // far away in memory, so the memo is asked for all of them before the first is visited
    // and the reads overlap; they are then visited in the order listed.
    std::vector<SearchMove>& moves = cache.MoveStack();
    const std::size_t movesBottom = moves.size();
    std::array<DrawnMoves, kKinds> draws;
    int effTiles = 0;
    const int drawCount = ListMoves(work.hand, work.wall, around, moves, draws, effTiles);
    effKinds_ = static_cast<std::int8_t>(drawCount);
    effTiles_ = static_cast<std::int16_t>(effTiles);
    if (cache.Size() >= kMemoBeyondCache) {
        for (std::size_t m = movesBottom; m < moves.size(); ++m) cache.PrefetchSlot(moves[m].tag);
        for (std::size_t m = movesBottom; m < moves.size(); ++m) cache.PrefetchNode(moves[m].tag);
    }

    // The children go on the analysis' shared stack in the same way.
    std::vector<const NanikiruSearch*>& stack = cache.ChildStack();
    const std::size_t bottom = stack.size();
    std::array<DrawGroup, kKinds> groups;
    int groupCount = 0;
    for (int d = 0; d < drawCount; ++d) {
        for (int m = draws[d].first; m < draws[d].first + draws[d].count; ++m) {
            // A copy: a deeper node's moves may move the list.
            const SearchMove move = moves[movesBottom + static_cast<std::size_t>(m)];
            const NanikiruSearch* c = Child(cache, work, move.key, move.tag, move.drawn,
                                            move.discarded, move.slack, move.slack == kMinKeySlack);
            if (c == nullptr) {  // stopped: this node stays unvalued
                moves.resize(movesBottom);
                stack.resize(bottom);
                return;
            }
            // Its first row is read when this node is valued.
            for (int line = 0; line <= c->turnLast_ - c->turnFirst_; line += kDoublesALine)
                __builtin_prefetch(c->turns_ + line);
            stack.push_back(c);
        }
        // A kind without any reply still counts as effective and as a move.
        if (draws[d].count > 0)
            groups[groupCount++] = {static_cast<std::int8_t>(draws[d].drawn),
                                    static_cast<std::uint8_t>(draws[d].count),
                                    static_cast<std::uint16_t>(draws[d].first)};
    }
    moves.resize(movesBottom);
    const std::span<const NanikiruSearch* const> children = std::span(stack).subspan(bottom);
    const std::span<const DrawGroup> groupSpan =
        std::span(groups).first(static_cast<std::size_t>(groupCount));
    // A created node lists its children again if asked (ListChildren): a search holds tens
    // of millions of them, while only a report's few nodes are ever asked.
    if (caller_) SetChildren(cache, children, groupSpan);
    SumVisits();
    Evaluate(cache.Chances(), &cache.Arena(), groupSpan, children);
    stack.resize(bottom);
}

void NanikiruSearch::ListChildren() const {
    // A caller's node holds its own, if it has any; a win has none.
    static constexpr Listing kNone{};
    listing_ = &kNone;
    if (cache_ == nullptr || Winning()) return;
    const TileCounts hand = HandOfKey(key_);
    TileCounts wall;
    for (TileKind k = 0; k < kKinds; ++k) wall[k] = Wall(k);
    const ShantenAround around(hand);
    std::vector<SearchMove> moves;
    std::array<DrawnMoves, kKinds> draws;
    int effTiles = 0;
    const int drawCount = ListMoves(hand, wall, around, moves, draws, effTiles);
    // The search met every move of this node, so the memo holds each one's node.
    auto* children = cache_->Arena().Allocate<const NanikiruSearch*>(moves.size());
    for (std::size_t m = 0; m < moves.size(); ++m)
        children[m] = cache_->Find(moves[m].key, moves[m].tag);
    auto* groups = cache_->Arena().Allocate<DrawGroup>(static_cast<std::size_t>(drawCount));
    int groupCount = 0;
    for (int d = 0; d < drawCount; ++d)
        if (draws[d].count > 0)
            groups[groupCount++] = {static_cast<std::int8_t>(draws[d].drawn),
                                    static_cast<std::uint8_t>(draws[d].count),
                                    static_cast<std::uint16_t>(draws[d].first)};
    listing_ = new (cache_->Arena().Allocate<Listing>(1)) Listing{groups, children, groupCount};
}

void NanikiruSearch::Evaluate(const DrawChances& chances, SearchArena* arena,
                              std::span<const DrawGroup> groups,
                              std::span<const NanikiruSearch* const> children) {
    const int groupCount = static_cast<int>(groups.size());
    auto members = [&](const DrawGroup& g) { return children.subspan(g.first, g.count); };
    const int s = shanten_;
    const bool ready = s == 0;
    // Each group's best reply at every draw number, found in one pass over each reply's
    // values. Strictly greater: equal values keep the lower discard kind.
    struct BestReply {
        TurnValues ev, win, tenpai;
    };
    std::array<BestReply, kKinds> bestReplies;
    assert(groupCount <= static_cast<int>(bestReplies.size()));  // one group per drawn kind
    if (!ready) {
        // One clearing for every group: clearing row by row costs more than the search of
        // the rows in a small node.
        std::memset(bestReplies.data(), 0,
                    sizeof(BestReply) * static_cast<std::size_t>(groupCount));
        for (int n = 0; n < groupCount; ++n) {
            BestReply& b = bestReplies[n];
            for (const NanikiruSearch* c : members(groups[n])) {
                // The child's value at draw k + 1. A child keeps draw 2 at least; past its
                // last one it is 0, which never beats the best so far, so those draws are not
                // visited.
                const int first = c->turnFirst_, last = c->turnLast_;
                const double* row = c->turns_;
                for (int k = 1; k < last; ++k) {
                    const double value = row[TurnIndex(kEvRow, k + 1, first, last)];
                    if (value > b.ev[k]) {
                        b.ev[k] = value;
                        b.win[k] = row[TurnIndex(kWinRow, k + 1, first, last)];
                        b.tenpai[k] = row[TurnIndex(kTenpaiRow, k + 1, first, last)];
                    }
                }
            }
        }
    }
    // The wall count before the draw as the first child of each group records it: a memoised
    // child may come from another path and carry another wall.
    std::array<int, kKinds> drawnBefore;
    for (int n = 0; n < groupCount; ++n)
        drawnBefore[n] = members(groups[n]).front()->Wall(groups[n].drawn) + 1;
    TurnValues ev{}, win{}, tenpai{}, ippatsuBonus{};
    for (int k = kLastDraw; k >= 1; --k) {
        tenpai[k] = ready ? 1.0 : 0.0;
        win[k] = 0.0;
        const int drawsLeft = kTurnSlots - k;  // draw k included
        if (drawsLeft <= s) {
            ev[k] = 0.0;  // too few draws to complete the hand
            continue;
        }
        // Unseen tiles at draw k: 13 dealt, k - 1 drawn and the indicators are out of the pool
        // (in the solo game, whatever the mode: a restricted wall does not shrink it).
        const double pool = chances.pool - k;
        // The share of draws that leave the present hand; the rest keeps it.
        double move = effTiles_ / pool;
        double e = 0.0, eIppatsu = 0.0, tenpaiMove = 0.0, winMove = 0.0;
        const double stayValue = TurnValue(ev, k + 1);  // before this pass's ippatsu bonus
        for (int n = 0; n < groupCount; ++n) {
            const NanikiruSearch& c0 = *members(groups[n]).front();
            const double p = chances.byLeft[drawnBefore[n]][k];
            double best = 0.0, bestIppatsu = 0.0, bestWin = 0.0, bestTenpai = 0.0;
            if (ready) {
                best = c0.winPoints_;
                bestIppatsu = c0.winPointsIppatsu_;
                bestWin = bestTenpai = 1.0;
            } else {
                best = bestReplies[n].ev[k];
                bestWin = bestReplies[n].win[k];
                bestTenpai = bestReplies[n].tenpai[k];
            }
            if (k == kLastDraw || stayValue < best) {
                e += p * best;
                eIppatsu += p * bestIppatsu;
                tenpaiMove += p * bestTenpai;
                winMove += p * bestWin;
            } else {
                move -= p;  // keeping the hand is at least as good
            }
        }
        ev[k] = e;
        ippatsuBonus[k] = eIppatsu - e;
        if (tenpai[k] < 1.0) tenpai[k] = tenpaiMove;
        if (win[k] < 1.0) win[k] = winMove;
        if (k < kLastDraw) {
            const double keep = 1.0 - move;
            ev[k] += keep * ev[k + 1];
            if (tenpai[k] < 1.0) tenpai[k] += keep * tenpai[k + 1];
            if (win[k] < 1.0) win[k] += keep * win[k + 1];
        }
    }
    // Riichi is declared on reaching ready, so only the very next draw can be an ippatsu win;
    // adding the bonus after the recurrence keeps it from reaching earlier draw numbers.
    if (ready)
        for (int k = 1; k <= kLastDraw; ++k) ev[k] += ippatsuBonus[k];
    StoreTurns(ev, win, tenpai, arena);
}

}  // namespace mizaro
