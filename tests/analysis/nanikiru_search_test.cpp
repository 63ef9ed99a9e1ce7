#include "analysis/nanikiru_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "search_test_util.h"

namespace mizaro {

// Reaches inside a node to build small trees by hand.
class NanikiruSearchTestPeer {
  public:
    static void SetShape(NanikiruSearch& n, int shanten, int effTiles) {
        n.shanten_ = static_cast<std::int8_t>(shanten);
        n.effTiles_ = static_cast<std::int16_t>(effTiles);
    }
    static void SetValues(NanikiruSearch& n, int k, double ev, double win, double tenpai) {
        TurnValues evs = n.ev(), wins = n.winProb(), tenpais = n.tenpaiProb();
        evs[k] = ev;
        wins[k] = win;
        tenpais[k] = tenpai;
        n.StoreTurns(evs, wins, tenpais, nullptr);
    }
    static void AddGroup(NanikiruSearch& parent, TileKind drawn,
                         const std::vector<const NanikiruSearch*>& members) {
        std::vector<DrawGroup> groups(parent.groups().begin(), parent.groups().end());
        std::vector<const NanikiruSearch*> children;
        for (const DrawGroup& g : groups)
            for (const NanikiruSearch* m : parent.Members(g)) children.push_back(m);
        groups.push_back({static_cast<std::int8_t>(drawn),
                          static_cast<std::uint8_t>(members.size()),
                          static_cast<std::uint16_t>(children.size())});
        children.insert(children.end(), members.begin(), members.end());
        parent.SetChildren(parent.OwnCache(), children, groups);
    }
    static void Evaluate(NanikiruSearch& n) {
        std::size_t children = 0;
        for (const DrawGroup& g : n.groups()) children += g.count;
        n.Evaluate(SoloDrawChances(), nullptr, n.groups(), {n.listing_->children, children});
    }
};

namespace {

using Peer = NanikiruSearchTestPeer;

constexpr int kIppatsuRiichiTurn = 100;

// Points of a win on drawing `w`, scored by hand the way the search must score it: riichi
// assumed, expected ura-dora, never as a win before the first discard.
int WinPoints(KyokuState s, TileKind w, bool ippatsu) {
    s.reachTurn = kIppatsuRiichiTurn;
    s.turn = std::max(s.turn, 2);
    EXPECT_TRUE(s.DrawKind(w));
    return s.EvaluateWin(true, ippatsu);
}

// An independent evaluation of the same decision process: a plain recursion over every path,
// without reusing any computed value, written as "take the better of moving and keeping the
// hand". As the memo does, a position reached again is valued with the wall of the first path
// that reached it (the key holds the hand, not the wall). It also counts positions reached
// and distinct positions.
struct PlainValues {
    TurnValues ev{}, win{}, tenpai{};
    TileCounts wall{};  // the wall this position is valued with
};

class PlainSearch {
  public:
    PositionCounts visited{};
    PositionCounts distinct{};
    std::map<std::string, KyokuState> first;

    // The state to value: the first one seen with this key.
    KyokuState Reach(const KyokuState& s, int shanten, int slack, bool winning) {
        visited[shanten + 1] += 1;
        auto [it, isNew] = first.try_emplace(s.PositionKey(winning, slack), s);
        if (isNew) distinct[shanten + 1] += 1;
        return it->second;
    }

    PlainValues Node(const KyokuState& reached, int slack) {
        const int v = reached.Shanten();
        const KyokuState s = Reach(reached, v, slack, false);
        struct Option {
            TileKind drawn = kNoTile;
            bool win = false;
            double points = 0, pointsIppatsu = 0;
            TileCounts winWall{};
            std::vector<PlainValues> replies;
        };
        std::vector<Option> options;
        for (TileKind d = 0; d < kKinds; ++d) {
            if (s.wall[d] == 0) continue;
            KyokuState t = s;
            t.DrawKind(d);
            const int u = t.Shanten();
            if (u >= v + slack || (u == 0 && v == 0)) continue;
            Option o;
            o.drawn = d;
            if (u == -1) {
                KyokuState w = Reach(t, -1, -1, true);
                o.win = true;
                o.winWall = w.wall;
                w.wall[d] += 1;  // back to the position before the winning draw
                w.hand[d] -= 1;
                o.points = WinPoints(w, d, false);
                o.pointsIppatsu = WinPoints(w, d, true);
            } else {
                for (TileKind j = 0; j < kKinds; ++j) {
                    KyokuState r = t;
                    if (j == d || !r.RemoveFromHand(j, false)) continue;
                    const int f = r.Shanten();
                    if (f - v < slack) o.replies.push_back(Node(r, slack - (f - v) - 1));
                }
            }
            options.push_back(std::move(o));
        }
        PlainValues out;
        out.wall = s.wall;
        TurnValues plainEv{};  // without the ippatsu bonus
        for (int k = kMaxTurns; k >= 1; --k) {
            out.tenpai[k] = v == 0 ? 1.0 : 0.0;
            if (kTurnSlots - k <= v) continue;
            const double pool = 123.0 - k;
            const double ownEv = TurnValue(plainEv, k + 1);
            const double ownWin = TurnValue(out.win, k + 1);
            const double ownTenpai = TurnValue(out.tenpai, k + 1);
            double ev = 0, bonus = 0, win = 0, tenpai = 0, keep = 1.0;
            for (const Option& o : options) {
                double best = 0, bestWin = 0, bestTenpai = 0;
                // The chance of the draw as the position after it records its wall.
                double p = 0;
                if (o.win) {
                    best = o.points;
                    bestWin = bestTenpai = 1.0;
                    p = (o.winWall[o.drawn] + 1) / pool;
                } else {
                    if (o.replies.empty()) {  // counts as a move that is worth nothing
                        keep -= s.wall[o.drawn] / pool;
                        continue;
                    }
                    p = (o.replies.front().wall[o.drawn] + 1) / pool;
                    for (const PlainValues& r : o.replies) {
                        if (TurnValue(r.ev, k + 1) > best) {
                            best = TurnValue(r.ev, k + 1);
                            bestWin = TurnValue(r.win, k + 1);
                            bestTenpai = TurnValue(r.tenpai, k + 1);
                        }
                    }
                }
                keep -= s.wall[o.drawn] / pool;
                if (k == kMaxTurns || best > ownEv) {
                    ev += p * best;
                    if (o.win) bonus += p * (o.pointsIppatsu - o.points);
                    win += p * bestWin;
                    tenpai += p * bestTenpai;
                } else {
                    ev += p * ownEv;
                    win += p * ownWin;
                    tenpai += p * ownTenpai;
                }
            }
            if (k < kMaxTurns) {
                ev += keep * ownEv;
                win += keep * ownWin;
                tenpai += keep * ownTenpai;
            }
            plainEv[k] = ev;
            out.ev[k] = ev + bonus;
            out.win[k] = win;
            if (v != 0) out.tenpai[k] = tenpai;
        }
        return out;
    }

    // The candidates of a 14-tile position, by discard kind.
    std::vector<std::pair<TileKind, PlainValues>> Top(const KyokuState& s, int slack) {
        const int top = s.Shanten();
        visited[top + 1] += 1;  // the top itself is never memoised
        std::vector<std::pair<TileKind, PlainValues>> out;
        for (TileKind i = 0; i < kKinds; ++i) {
            KyokuState c = s;
            if (!c.RemoveFromHand(i, false)) continue;
            const int diff = c.Shanten() - top;
            if (diff > slack || (top == 0 && diff != 0)) continue;
            c.reachTurn = kIppatsuRiichiTurn;
            out.emplace_back(i, Node(c, slack - diff));
        }
        return out;
    }
};

void ExpectSameValues(const TurnValues& a, const TurnValues& b, const char* what) {
    for (int k = 1; k < kTurnSlots; ++k)
        EXPECT_NEAR(a[k], b[k], 1e-9 * std::max(1.0, std::abs(b[k]))) << what << " at k=" << k;
}

int RowSum(const PositionCounts& c) {
    int n = 0;
    for (int i = 0; i < kShantenRows; ++i) n += c[i];
    return n;
}

// The hands the recursion checks: one step from ready, one-shanten and two-shanten tops.
struct PlainCase {
    const char* line;
    int shanten;
};
const PlainCase kPlainCases[] = {
    {"123m456p789s35m11z2z turn=4 dora=1p", 0},
    {"123m456p79s35m11z27z turn=6 dora=3m", 1},
    {"123m46p79s358m9p115z turn=9 dora=9m", 2},
    {"123m456p79s35m11z27z turn=3 slack=1", 1},
};

TEST(NanikiruSearch, MatchesAPlainRecursionWithoutMemo) {
    for (const PlainCase& c : kPlainCases) {
        SCOPED_TRACE(c.line);
        PositionRequest request = ParsePositionLine(c.line);
        ASSERT_TRUE(request.ok()) << request.error;
        ASSERT_EQ(request.state.Shanten(), c.shanten);
        NanikiruSearch top(request.state, true, true, request.slack);
        top.AnalyzeDiscards();
        PlainSearch plain;
        auto expected = plain.Top(request.state, request.slack);

        auto candidates = top.CandidateNodes();
        ASSERT_EQ(candidates.size(), expected.size());
        for (std::size_t n = 0; n < expected.size(); ++n) {
            EXPECT_EQ(candidates[n]->state().lastDiscard, expected[n].first);
            ExpectSameValues(candidates[n]->ev(), expected[n].second.ev, "ev");
            ExpectSameValues(candidates[n]->winProb(), expected[n].second.win, "win");
            ExpectSameValues(candidates[n]->tenpaiProb(), expected[n].second.tenpai, "tenpai");
        }
        // Every reuse counts as visited, only the first computation as evaluated.
        for (int i = 0; i < kShantenRows; ++i) {
            EXPECT_EQ(top.visited()[i], plain.visited[i]) << "row " << i;
            EXPECT_EQ(top.evaluated()[i], plain.distinct[i] + (i == c.shanten + 1)) << "row " << i;
        }
        EXPECT_EQ(top.visited()[kPositionTotal], RowSum(top.visited()));
        EXPECT_EQ(top.evaluated()[kPositionTotal], RowSum(top.evaluated()));
        EXPECT_LE(top.evaluated()[kPositionTotal], top.visited()[kPositionTotal]);
        // From two steps out the same ready hands recur, so the memo is really exercised.
        if (c.shanten >= 2) {
            EXPECT_LT(top.evaluated()[kPositionTotal], top.visited()[kPositionTotal]);
        }
        top.FreeCache();
    }
}

TEST(NanikiruSearch, ReadyNodeAtTheLastDrawIsItsWinningDrawsWithIppatsu) {
    // A wait on 4m; and nine waits in chinitsu mode, where the pool is still 123 - k.
    const std::pair<const char*, const char*> cases[] = {
        {"123m456p789s35m11z2z turn=12 dora=4m", "2z"},
        {"1112345678999m5m mode=chinitsu turn=7", "5m"}};
    for (auto [line, discard] : cases) {
        SCOPED_TRACE(line);
        KyokuState s = After(line, discard);
        ASSERT_EQ(s.Shanten(), 0);
        NanikiruSearch node(s, true, true, 0);
        node.Search(true);

        double ev18 = 0, win18 = 0, ev17 = 0, win17Plain = 0, ev18Plain = 0;
        int winTiles = 0;
        for (TileKind w = 0; w < kKinds; ++w) {
            KyokuState t = s;
            if (!t.DrawKind(w) || t.Shanten() != -1) continue;
            winTiles += s.wall[w];
            ev18 += s.wall[w] / 105.0 * WinPoints(s, w, true);
            ev18Plain += s.wall[w] / 105.0 * WinPoints(s, w, false);
            win18 += s.wall[w] / 105.0;
            ev17 += s.wall[w] / 106.0 * WinPoints(s, w, true);
            win17Plain += s.wall[w] / 106.0;
        }
        ASSERT_GT(winTiles, 0);
        EXPECT_NEAR(node.ev()[18], ev18, 1e-9);
        EXPECT_NEAR(node.winProb()[18], win18, 1e-12);
        // One draw earlier the hand is kept with weight 1 - winTiles/106, and what it keeps
        // is the value of draw 18 without its ippatsu bonus.
        const double keep = 1.0 - winTiles / 106.0;
        EXPECT_NEAR(node.ev()[17], ev17 + keep * ev18Plain, 1e-9);
        EXPECT_NEAR(node.winProb()[17], win17Plain + keep * win18, 1e-12);
        for (int k = 1; k <= kMaxTurns; ++k) EXPECT_EQ(node.tenpaiProb()[k], 1.0);
        EXPECT_EQ(node.effTiles(), winTiles);
        node.FreeCache();
    }
}

TEST(NanikiruSearch, TooFewDrawsLeftGiveZero) {
    // One-shanten at draw 18: one draw could make it ready, but it is not more than the shanten.
    KyokuState s = After("123m456p79s35m11z27z turn=5", "7z");
    ASSERT_EQ(s.Shanten(), 1);
    NanikiruSearch node(s, true, true, 0);
    node.Search(true);
    EXPECT_EQ(node.ev()[18], 0.0);
    EXPECT_EQ(node.winProb()[18], 0.0);
    EXPECT_EQ(node.tenpaiProb()[18], 0.0);
    EXPECT_GT(node.ev()[17], 0.0);
    EXPECT_EQ(TurnValue(node.ev(), 19), 0.0);
    EXPECT_EQ(TurnValue(node.ev(), 25), 0.0);
    node.FreeCache();

    // After the eighteenth draw nothing is left to gain.
    NanikiruSearch last(Position("123m456p789s35m11z2z turn=18"), true, true, 0);
    last.AnalyzeDiscards();
    DiscardValues values;
    last.CandidateValues(values);
    EXPECT_FALSE(last.CandidateNodes().empty());
    for (double v : values) EXPECT_EQ(v, 0.0);
    last.FreeCache();
}

// A one-shanten parent (the hand after the 7z discard) and, for small trees built by hand, the
// hands it reaches by drawing 4m and discarding a reply.
struct HandBuiltTree {
    KyokuState s = After("123m456p79s35m11z27z", "7z");
    TileKind d = ParseTile("4m");
    NanikiruSearch parent{s, true, true, 0};

    KyokuState Reply(const char* discard) const {
        KyokuState after = s;
        after.DrawKind(d);
        after.RemoveFromHand(ParseTile(discard), false);
        return after;
    }
};

TEST(NanikiruSearch, ValuesReadBackExactlyWhateverTheirLastNonZeroDraw) {
    HandBuiltTree t;
    NanikiruSearch node(t.Reply("1z"), true, true, 0);
    TurnValues ev{}, win{}, tenpai{};
    auto expectStored = [&](const char* when) {
        for (int k = 0; k < kTurnSlots; ++k) {
            EXPECT_EQ(std::bit_cast<std::uint64_t>(node.ev()[k]),
                      std::bit_cast<std::uint64_t>(ev[k]))
                << when << " ev at " << k;
            EXPECT_EQ(node.winProb()[k], win[k]) << when << " win at " << k;
            EXPECT_EQ(node.tenpaiProb()[k], tenpai[k]) << when << " tenpai at " << k;
        }
    };
    expectStored("new");
    // A negative zero on the last draw is a value, not an absent one.
    Peer::SetValues(node, 3, ev[3] = 12.5, win[3] = 0.25, tenpai[3] = 0.5);
    Peer::SetValues(node, 18, ev[18] = -0.0, 0.0, 0.0);
    expectStored("spread");
    EXPECT_TRUE(std::signbit(node.ev()[18]));
    // The values shrink back when the late draws become zero, and grow again.
    Peer::SetValues(node, 18, ev[18] = 0.0, 0.0, 0.0);
    expectStored("shrunk");
    Peer::SetValues(node, 10, ev[10] = 7.0, win[10] = 0.125, tenpai[10] = 1.0);
    expectStored("grown");
    for (int k : {3, 10}) Peer::SetValues(node, k, ev[k] = 0.0, win[k] = 0.0, tenpai[k] = 0.0);
    expectStored("cleared");
    EXPECT_EQ(TurnValue(node.ev(), 19), 0.0);
}

TEST(NanikiruSearch, HandBuiltTiesKeepTheLowerDiscard) {
    // A one-shanten parent; after drawing d two replies of equal value but different odds.
    HandBuiltTree t;
    auto& [s, d, parent] = t;
    NanikiruSearch low(t.Reply("1z"), true, true, 0), high(t.Reply("2z"), true, true, 0);
    Peer::SetValues(low, 18, 500.0, 0.25, 0.5);
    Peer::SetValues(high, 18, 500.0, 0.75, 1.0);
    Peer::SetShape(parent, 1, s.wall[d]);
    Peer::AddGroup(parent, d, {&low, &high});
    Peer::Evaluate(parent);
    const double p = s.wall[d] / 106.0;
    EXPECT_DOUBLE_EQ(parent.ev()[17], p * 500.0);
    EXPECT_DOUBLE_EQ(parent.winProb()[17], p * 0.25);
    EXPECT_DOUBLE_EQ(parent.tenpaiProb()[17], p * 0.5);
}

TEST(NanikiruSearch, HandBuiltEqualValueKeepsTheHand) {
    HandBuiltTree t;
    auto& [s, d, parent] = t;
    NanikiruSearch child(t.Reply("1z"), true, true, 0);
    const double p17 = s.wall[d] / 106.0;
    // At draw 17 the parent takes the child's 800; at draw 16 the child offers exactly what
    // the parent already holds, so the parent keeps its hand and the child's odds stay out.
    Peer::SetValues(child, 18, 800.0, 0.5, 1.0);
    Peer::SetValues(child, 17, 0.0 + p17 * 800.0, 0.9, 0.9);
    Peer::SetShape(parent, 1, s.wall[d]);
    Peer::AddGroup(parent, d, {&child});
    Peer::Evaluate(parent);
    ASSERT_EQ(parent.ev()[17], p17 * 800.0);
    ASSERT_DOUBLE_EQ(parent.winProb()[17], p17 * 0.5);
    // Staying: no move at all, the whole weight keeps draw 17's values.
    EXPECT_DOUBLE_EQ(parent.ev()[16], parent.ev()[17]);
    EXPECT_DOUBLE_EQ(parent.winProb()[16], parent.winProb()[17]);
    EXPECT_DOUBLE_EQ(parent.tenpaiProb()[16], parent.tenpaiProb()[17]);
}

TEST(NanikiruSearch, HandBuiltGroupWorthNothingAddsNothing) {
    HandBuiltTree t;
    auto& [s, d, parent] = t;
    NanikiruSearch child(t.Reply("1z"), true, true, 0);
    Peer::SetValues(child, 18, 0.0, 0.0, 1.0);  // ready, but every winning tile is gone
    Peer::SetShape(parent, 1, s.wall[d]);
    Peer::AddGroup(parent, d, {&child});
    Peer::Evaluate(parent);
    EXPECT_EQ(parent.ev()[17], 0.0);
    EXPECT_EQ(parent.tenpaiProb()[17], 0.0);
}

TEST(NanikiruSearch, HandBuiltDrawWithoutReplyStillCountsAsMove) {
    // The 6s draws entered the search but left no group: they leave no value and no weight
    // for keeping the hand.
    HandBuiltTree t;
    auto& [s, d, parent] = t;
    const int unreplied = s.wall[ParseTile("6s")];
    NanikiruSearch child(t.Reply("1z"), true, true, 0);
    Peer::SetValues(child, 18, 800.0, 0.5, 1.0);
    Peer::SetShape(parent, 1, s.wall[d] + unreplied);
    Peer::AddGroup(parent, d, {&child});
    Peer::Evaluate(parent);
    const double ev17 = s.wall[d] / 106.0 * 800.0;
    EXPECT_DOUBLE_EQ(parent.ev()[17], ev17);
    // At draw 16 the child is worth 0, so the 4m draws keep the hand; the 6s draws do not.
    EXPECT_DOUBLE_EQ(parent.ev()[16], (1.0 - unreplied / 107.0) * ev17);
}

TEST(NanikiruSearch, SlackAtOneStepFromReadyKeepsOnlyReadyDiscards) {
    KyokuState s = Position("123m456p789s35m11z2z turn=5");
    ASSERT_EQ(s.Shanten(), 0);
    NanikiruSearch plain(s, true, true, 0), slack(s, true, true, 1);
    plain.AnalyzeDiscards();
    slack.AnalyzeDiscards();
    ASSERT_EQ(slack.CandidateNodes().size(), plain.CandidateNodes().size());
    for (std::size_t n = 0; n < plain.CandidateNodes().size(); ++n) {
        const NanikiruSearch& c = *slack.CandidateNodes()[n];
        EXPECT_EQ(c.state().lastDiscard, plain.CandidateNodes()[n]->state().lastDiscard);
        EXPECT_EQ(c.state().Shanten(), 0);
        EXPECT_EQ(c.slack(), 1);
    }
    plain.FreeCache();
    slack.FreeCache();
}

TEST(NanikiruSearch, SlackNeverValuesADiscardBelowNoSlack) {
    // Slack only adds choices: a hand change may be taken or declined.
    for (const char* line : {"123m456p79s35m11z27z turn=3", "123m46p79s358m9p115z turn=2",
                             "19m19p1s1234567z11z mode=kokushi turn=2"}) {
        SCOPED_TRACE(line);
        KyokuState s = Position(line);
        NanikiruSearch plain(s, true, true, 0), slack(s, true, true, 1);
        plain.AnalyzeDiscards();
        slack.AnalyzeDiscards();
        DiscardValues a, b;
        plain.CandidateValues(a);
        slack.CandidateValues(b);
        for (TileKind k = 0; k < kKinds; ++k) EXPECT_GE(b[k], a[k] - 1e-9) << FormatTile(k);
        plain.FreeCache();
        slack.FreeCache();
    }
}

TEST(NanikiruSearch, FirstDrawWinsAreNeverHeavenlyHands) {
    // Only the turn differs, and the turn changes nothing but 天和.
    NanikiruSearch first(Position("123m456p789s35m11z2z turn=1"), true, true, 0);
    NanikiruSearch later(Position("123m456p789s35m11z2z turn=2"), true, true, 0);
    first.AnalyzeDiscards();
    later.AnalyzeDiscards();
    ASSERT_EQ(first.CandidateNodes().size(), 1u);
    ExpectSameValues(first.CandidateNodes()[0]->ev(), later.CandidateNodes()[0]->ev(), "ev");
    const double dealerYakuman = 48000.0;
    EXPECT_LT(first.CandidateNodes()[0]->ev()[2], dealerYakuman / 10);
    DiscardValues values;
    first.CandidateValues(values);
    EXPECT_EQ(values[ParseTile("2z")], first.CandidateNodes()[0]->ev()[2]);
    EXPECT_EQ(first.CandidateNodes()[0]->state().turn, 1);  // the search never changes turn
    first.FreeCache();
    later.FreeCache();
}

TEST(NanikiruSearch, CompleteHandHasNoCandidatesWithoutSlack) {
    NanikiruSearch top(Position("123m456p789s345m11z"), true, true, 0);
    top.AnalyzeDiscards();
    EXPECT_TRUE(top.CandidateNodes().empty());
    EXPECT_EQ(top.winProb()[5], 1.0);
    EXPECT_EQ(top.evaluated()[0], 1);
    DiscardValues values;
    top.CandidateValues(values);
    for (double v : values) EXPECT_EQ(v, 0.0);
}

TEST(NanikiruSearch, AMemoHandedOnGivesTheValuesOfAFreshOne) {
    // The first analysis fills more than the blocks a cleared memo keeps; every later one
    // must read nothing of what came before.
    const std::pair<std::string, int> lines[] = {{"1235m4678p2469s17z turn=3", 0},
                                                 {"123m46p79s358m9p115z turn=2", 0},
                                                 {"12335m456p79s1127z turn=5", 1},
                                                 {"1235m4678p2469s17z turn=3", 0}};
    std::unique_ptr<SearchCache> memo;
    for (const auto& [line, slack] : lines) {
        NanikiruSearch fresh(Position(line), true, true, slack);
        fresh.AnalyzeDiscards();
        NanikiruSearch handed(Position(line), true, true, slack);
        handed.AdoptCache(std::move(memo));
        handed.AnalyzeDiscards();
        EXPECT_EQ(handed.evaluated(), fresh.evaluated()) << line;
        EXPECT_EQ(handed.visited(), fresh.visited()) << line;
        ASSERT_EQ(handed.CandidateNodes().size(), fresh.CandidateNodes().size()) << line;
        for (std::size_t i = 0; i < fresh.CandidateNodes().size(); ++i) {
            // Bit for bit: the same operations on the same values.
            EXPECT_EQ(handed.CandidateNodes()[i]->ev(), fresh.CandidateNodes()[i]->ev()) << line;
            EXPECT_EQ(handed.CandidateNodes()[i]->winProb(), fresh.CandidateNodes()[i]->winProb())
                << line;
        }
        memo = handed.ReleaseCache();
        ASSERT_NE(memo, nullptr);
        EXPECT_EQ(memo->Size(), 0u);
    }
}

TEST(NanikiruSearch, CallerNodesStayReadableAfterFreeCache) {
    KyokuState s = After("123m46p79s358m9p115z turn=2", "5z");
    NanikiruSearch node(s, true, true, 0);
    node.Search(true);
    const TurnValues ev = node.ev();
    const PositionCounts visited = node.visited();
    EXPECT_FALSE(node.groups().empty());
    node.FreeCache();
    EXPECT_EQ(node.ev(), ev);
    EXPECT_EQ(node.visited(), visited);
    EXPECT_TRUE(node.groups().empty());

    // A second search of the same node starts afresh and finds the same.
    node.Search(true);
    EXPECT_EQ(node.ev(), ev);
    EXPECT_EQ(node.visited(), visited);
}

TEST(SearchThreadTest, AnalysesOnTwoThreadsMatchSequentialOnes) {
    const char* lines[] = {"123m46p79s358m9p115z turn=2", "123m456p79s35m11z27z turn=3 slack=1"};
    struct Outcome {
        std::vector<TurnValues> ev;
        PositionCounts evaluated{}, visited{};
    };
    auto run = [](const char* line) {
        PositionRequest r = ParsePositionLine(line);
        NanikiruSearch top(r.state, true, true, r.slack);
        top.AnalyzeDiscards();
        Outcome o;
        for (const NanikiruSearch* c : top.CandidateNodes()) o.ev.push_back(c->ev());
        o.evaluated = top.evaluated();
        o.visited = top.visited();
        top.FreeCache();
        return o;
    };
    Outcome sequential[2] = {run(lines[0]), run(lines[1])};
    Outcome parallel[2];
    std::thread a([&] { parallel[0] = run(lines[0]); });
    std::thread b([&] { parallel[1] = run(lines[1]); });
    a.join();
    b.join();
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(parallel[i].ev, sequential[i].ev);
        EXPECT_EQ(parallel[i].evaluated, sequential[i].evaluated);
        EXPECT_EQ(parallel[i].visited, sequential[i].visited);
    }
}

// A created node keeps only what sets it apart and rebuilds the rest; rebuilt, its state must
// be its parent's with the draw and the reply made, and a win must carry the reading that
// scoring that state gives. The walk goes in the search's order, so the first path to reach
// a node is the one that created it; a later path shares it, and with it the first one's wall.
class StateWalk {
  public:
    int created = 0, wins = 0;

    void Children(const NanikiruSearch& parent) {
        for (const DrawGroup& g : parent.groups())
            for (const NanikiruSearch* child : parent.Members(g)) Check(parent, g.drawn, *child);
    }

  private:
    std::set<const NanikiruSearch*> seen_;

    void Check(const NanikiruSearch& parent, TileKind drawn, const NanikiruSearch& child) {
        KyokuState want = parent.state();
        want.reachTurn = kIppatsuRiichiTurn;
        ASSERT_TRUE(drawn == kNoTile || want.DrawKind(drawn));  // the top's group draws none
        const KyokuState& got = child.state();
        const bool win = want.Shanten() == -1;
        if (!win) {
            TileKind reply = kNoTile;
            for (TileKind k = 0; k < kKinds; ++k)
                if (want.hand[k] > got.hand[k]) reply = k;
            ASSERT_TRUE(want.RemoveFromHand(reply, false));
        }
        EXPECT_EQ(got.hand, want.hand);
        if (!seen_.insert(&child).second) return;
        ++created;
        EXPECT_EQ(got.wall, want.wall);
        EXPECT_EQ(got.lastDraw, want.lastDraw);
        EXPECT_EQ(got.lastDiscard, want.lastDiscard);
        EXPECT_EQ(got.reachTurn, kIppatsuRiichiTurn);
        EXPECT_EQ(got.turn, want.turn);
        EXPECT_EQ(got.dora, want.dora);
        EXPECT_EQ(got.discards, want.discards);
        if (win) {
            want.turn = std::max(want.turn, 2);
            want.EvaluateWin(true, false);
            EXPECT_EQ(got.result.points, want.result.points);
            EXPECT_EQ(got.result.han.han, want.result.han.han);
            EXPECT_EQ(got.result.fu, want.result.fu);
            EXPECT_EQ(got.result.melds, want.result.melds);
            ++wins;
        }
        // The same object on every request, whichever thread asks first.
        const KyokuState* other = nullptr;
        std::thread([&] { other = &child.state(); }).join();
        EXPECT_EQ(other, &got);
        Children(child);
    }
};

TEST(NanikiruSearch, CreatedNodesGiveTheStateOfTheirMove) {
    NanikiruSearch top(Position("123m456p79s35m11z27z turn=3 dora=3m"), true, true, 1);
    top.AnalyzeDiscards();
    StateWalk walk;
    walk.Children(top);
    EXPECT_EQ(walk.created, top.evaluated()[kPositionTotal] - 1);  // all but the top
    EXPECT_GT(walk.wins, 10);
    top.FreeCache();
}

}  // namespace
}  // namespace mizaro
