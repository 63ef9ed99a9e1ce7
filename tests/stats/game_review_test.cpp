#include "stats/game_review.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "core/hand_notation.h"
#include "core/shanten.h"
#include "online/table_state.h"
#include "platform/text_encoding.h"
#include "stats/review_page.h"
#include "ten_games.h"

namespace mizaro {
namespace {

constexpr int kAssumedRiichi = 100;

std::string TwoDecimals(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", v);
    return text;
}

void Deal(GameRecord& r, const char* hand) {
    const ParsedTiles parsed = ParseTiles(hand);
    ASSERT_TRUE(parsed.ok());
    int n = 0;
    for (TileKind k = 0; k < kKinds; ++k)
        for (int c = 0; c < parsed.counts[k]; ++c) r.dealt[n++] = k;
    ASSERT_EQ(n, kDealtTiles);
}

// A dama game that is ready from the deal with a two-sided wait on 1s-4s and throws every
// drawn honour, until turn 17 breaks the wait by throwing a 5p instead. While the hand keeps
// its wait the drawn honour is the only discard that stays ready, so only turn 17 loses.
GameRecord BrokenWaitGame() {
    GameRecord r;
    Deal(r, "234m567p55p23s678s");
    r.doraIndicator = ParseTile("9m");
    const char* junk[] = {"1z", "2z", "3z", "4z", "6z", "7z"};
    for (int t = 0; t < kMaxTurns; ++t) {
        r.draws[t] = ParseTile(junk[t % 6]);
        r.discards[t] = r.draws[t];
    }
    r.discards[16] = ParseTile("5p");
    r.reachTurn = 0;
    r.mode = kModeNormal;
    return r;
}

TEST(GameReview, BreakingAReadyHandIsTheLargestLossWorkedOutOnPaper) {
    const GameRecord game = BrokenWaitGame();
    const GameReview review = ReviewGame(game);
    const std::atomic<bool> stop{true};
    EXPECT_TRUE(ReviewGame(game, 1, &stop).stopped) << "nothing rated";
    ASSERT_TRUE(review.replayed);
    EXPECT_EQ(review.outcome, GameOutcome::kExhausted);
    EXPECT_EQ(review.finalShanten, 1);
    ASSERT_EQ(review.turns.size(), 18u);

    // At turn 17 the hand kept ready has one draw left: a win on 1s or 4s, each with the
    // chance of its wall count over the 105 tiles unseen at draw 18, scored as a riichi win on
    // the ippatsu draw. The broken hand is one from ready with one draw left: worth nothing.
    KyokuState ready;
    ready.hand = ParseTiles("234m567p55p23s678s").counts;
    ready.wall.fill(4);
    for (TileKind k = 0; k < kKinds; ++k) ready.wall[k] -= ready.hand[k];
    ready.AddDoraIndicator(ParseTile("9m"));
    for (int t = 0; t < 17; ++t) --ready.wall[game.draws[t]];
    ready.turn = 17;
    ready.reachTurn = kAssumedRiichi;
    double expected = 0.0;
    for (const char* wait : {"1s", "4s"}) {
        KyokuState won = ready;
        const TileKind w = ParseTile(wait);
        const double chance = won.wall[w] / 105.0;
        ASSERT_TRUE(won.DrawKind(w));
        expected += chance * won.EvaluateWin(true, true);
    }
    ASSERT_GT(expected, 0.0);

    const TurnReview& bad = review.turns[16];
    EXPECT_EQ(bad.turn, 17);
    EXPECT_EQ(bad.kind, RatingKind::kSearch);
    EXPECT_EQ(bad.discarded, ParseTile("5p"));
    EXPECT_DOUBLE_EQ(bad.made, 0.0);
    EXPECT_NEAR(bad.bestValue, expected, 1e-9);
    EXPECT_NEAR(bad.loss, expected, 1e-9);
    EXPECT_TRUE(bad.best[game.draws[16]]);
    EXPECT_FALSE(bad.best[ParseTile("5p")]);
    EXPECT_TRUE(bad.marked);
    EXPECT_NEAR(review.totalLoss, expected, 1e-9);
    for (const TurnReview& t : review.turns) {
        if (t.turn == 17) continue;
        EXPECT_EQ(t.loss, 0.0) << "turn " << t.turn;
        EXPECT_FALSE(t.marked) << "turn " << t.turn;
    }
    EXPECT_EQ(ReviewLine(bad),
              "turn=17 draw=6z discard=5p best=6z made=0.00 bestValue=" + TwoDecimals(expected) +
                  " loss=" + TwoDecimals(expected) + " kind=search");
}

// Turn 16 keeps the two-sided wait without riichi, two draws before the end. Without riichi
// each win scores its plain points and nothing else is worth playing for, so the value follows
// from the wait's chances at draws 17 and 18.
TEST(GameReview, AReadyDiscardWithoutRiichiCarriesItsDamaValue) {
    const GameRecord game = BrokenWaitGame();
    const GameReview review = ReviewGame(game);
    ASSERT_TRUE(review.replayed);
    KyokuState dama;
    dama.hand = ParseTiles("234m567p55p23s678s").counts;
    dama.wall.fill(4);
    for (TileKind k = 0; k < kKinds; ++k) dama.wall[k] -= dama.hand[k];
    dama.AddDoraIndicator(ParseTile("9m"));
    for (int t = 0; t < 16; ++t) --dama.wall[game.draws[t]];
    dama.turn = 17;
    double win17 = 0.0, tiles = 0.0, last = 0.0;
    for (const char* wait : {"1s", "4s"}) {
        KyokuState won = dama;
        const TileKind w = ParseTile(wait);
        tiles += won.wall[w];
        ASSERT_TRUE(won.DrawKind(w));
        const int points = won.EvaluateWin(false, false);
        win17 += dama.wall[w] / 106.0 * points;
        last += dama.wall[w] / 105.0 * points;
    }
    const double expected = win17 + (1.0 - tiles / 106.0) * last;

    const TurnReview& t16 = review.turns[15];
    ASSERT_TRUE(t16.hasRiichiValues);
    EXPECT_EQ(t16.riichiValue, t16.made) << "the search values a ready discard with riichi";
    EXPECT_NEAR(t16.damaValue, expected, 1e-9);
    EXPECT_GT(t16.riichiValue, t16.damaValue);
    EXPECT_FALSE(review.turns[16].hasRiichiValues) << "the broken wait is not ready";
    EXPECT_FALSE(review.turns[17].hasRiichiValues) << "no draw is left after turn 18";
}

// A discard the search leaves out (it moves the hand away from ready) is still valued, by
// searching the position it leaves, and costs what keeping the wait would have been worth more.
TEST(GameReview, ADiscardAwayFromReadyIsSearchedOnItsOwn) {
    GameRecord r = BrokenWaitGame();
    // Break the wait at turn 10 instead: the 13 tiles left are one from ready with many draws
    // to go, so the value is a real search, and it can only be below keeping the wait.
    r.discards[16] = r.draws[16];
    r.discards[9] = ParseTile("5p");
    const GameReview review = ReviewGame(r);
    ASSERT_TRUE(review.replayed);
    const TurnReview& broken = review.turns[9];
    EXPECT_GT(broken.made, 0.0);
    EXPECT_GT(broken.loss, 0.0);
    EXPECT_NEAR(broken.made + broken.loss, broken.bestValue, 1e-9);
    EXPECT_TRUE(broken.marked);
    // From the broken hand the next turn is searched again: throwing the drawn honour keeps it
    // one from ready, and its value is read from the candidates.
    EXPECT_EQ(review.turns[10].shanten, 1);
}

TEST(GameReview, FarFromReadyTurnsCountTilesAndAreNotSummed) {
    GameRecord r;
    Deal(r, "19m19p19s1234567z");  // thirteen orphans, ready for any of the 13
    r.mode = kModeKokushi;
    r.doraIndicator = ParseTile("9m");
    r.reachTurn = 0;
    // A record that draws outside its mode's wall cannot be replayed.
    r.draws[0] = ParseTile("5m");
    r.discards[0] = ParseTile("5m");
    EXPECT_FALSE(ReviewGame(r).replayed) << "a 5m is never in a Kokushi wall";
    r.mode = kModeNormal;
    EXPECT_TRUE(ReviewGame(r).replayed);

    // Far from ready: 14 unrelated tiles, six from ready or so, rated by counts.
    GameRecord scattered;
    Deal(scattered, "147m258p369s1357z");
    scattered.doraIndicator = ParseTile("2z");
    scattered.reachTurn = 0;
    scattered.draws[0] = ParseTile("6z");
    scattered.discards[0] = ParseTile("6z");
    scattered.draws[1] = ParseTile("9m");
    const GameReview review = ReviewGame(scattered);
    ASSERT_TRUE(review.replayed);
    EXPECT_EQ(review.outcome, GameOutcome::kInProgress);
    ASSERT_EQ(review.turns.size(), 1u) << "the turn still to be played is not rated";
    const TurnReview& t = review.turns[0];
    ASSERT_GT(t.shanten, kReviewSearchShanten);
    EXPECT_EQ(t.kind, RatingKind::kTiles);
    EXPECT_GE(t.bestValue, t.made);
    EXPECT_EQ(review.totalLoss, 0.0);
    EXPECT_FALSE(t.marked);
}

TEST(GameReview, RiichiTurnIsRatedAndTheDiscardsAfterItAreNot) {
    GameRecord r = BrokenWaitGame();
    r.discards[16] = r.draws[16];
    r.reachTurn = 3;
    r.draws[5] = ParseTile("4s");  // the win at turn 6
    for (int t = 5; t < kMaxTurns; ++t) r.discards[t] = kNoTile;
    for (int t = 6; t < kMaxTurns; ++t) r.draws[t] = kNoTile;
    r.uraIndicator = ParseTile("9p");
    const GameReview review = ReviewGame(r);
    ASSERT_TRUE(review.replayed);
    EXPECT_EQ(review.outcome, GameOutcome::kWon);
    EXPECT_EQ(review.lastTurn, 6);
    EXPECT_EQ(review.reachTurn, 3);
    ASSERT_EQ(review.turns.size(), 3u);
    EXPECT_TRUE(review.turns[2].riichi);
    EXPECT_TRUE(review.turns[2].hasRiichiValues);
    // Riichi, tsumo, pinfu, tanyao: 4 han 20 fu, 7800 for the dealer (2600 all).
    EXPECT_EQ(review.points, 7800);
    EXPECT_EQ(OutcomeText(review), "和了 (6 巡目) 7800 点");
}

// Four times the hand gives up its all-simples by trading a simple for a terminal of the same
// run, keeping its wait, and trades back on the next turn: four losses, of which only the
// three largest are marked.
TEST(GameReview, OnlyTheThreeLargestLossesAreMarked) {
    GameRecord r = BrokenWaitGame();
    r.discards[16] = r.draws[16];
    const char* trades[][2] = {{"1m", "4m"}, {"4m", "1m"}, {"9s", "6s"}, {"6s", "9s"}};
    for (int t = 0; t < 8; ++t) {
        r.draws[t] = ParseTile(trades[t % 4][0]);
        r.discards[t] = ParseTile(trades[t % 4][1]);
    }
    const GameReview review = ReviewGame(r);
    ASSERT_TRUE(review.replayed);
    std::vector<double> losses, marked;
    for (const TurnReview& t : review.turns) {
        if (t.loss > 0.0) losses.push_back(t.loss);
        if (t.marked) marked.push_back(t.loss);
    }
    ASSERT_GE(losses.size(), 4u);
    std::sort(losses.rbegin(), losses.rend());
    std::sort(marked.rbegin(), marked.rend());
    EXPECT_EQ(marked, std::vector<double>(losses.begin(), losses.begin() + 3));
}

// The page is written as code page 932, so every character must convert; a row per rated
// turn, and only the marked turn coloured.
TEST(ReviewPage, ShowsEveryTurnAndMarksTheLargeLossInCodePage932) {
    const GameReview review = ReviewGame(BrokenWaitGame());
    const std::string page = ReviewPage(review, "1 局前");
    ASSERT_TRUE(Utf8ToCp932(page).has_value());
    EXPECT_NE(page.find("charset=Shift_JIS"), std::string::npos);
    EXPECT_NE(page.find("流局 ノーテン ( 1 向聴 )"), std::string::npos);
    EXPECT_NE(page.find("<B>" + TwoDecimals(review.totalLoss) + "</B>"), std::string::npos);
    std::size_t rows = 0, coloured = 0;
    for (std::size_t at = page.find("<TR"); at != std::string::npos;
         at = page.find("<TR", at + 1)) {
        ++rows;
        coloured += page.compare(at, 7, "<TR bgc") == 0;
    }
    EXPECT_EQ(rows, 1 + review.turns.size());
    EXPECT_EQ(coloured, 1u);
    EXPECT_NE(page.find("img/j6.gif"), std::string::npos) << "tiles appear as pictures";

    GameRecord unsound = BrokenWaitGame();
    unsound.reachTurn = -1;
    const std::string refused = ReviewPage(ReviewGame(unsound), "1 局前");
    EXPECT_NE(refused.find("再現できない記録"), std::string::npos);
    EXPECT_EQ(refused.find("<TABLE"), std::string::npos);
}

// Every field, the values bit for bit: the same search on the same position.
auto Fields(const TurnReview& t) {
    return std::tie(t.turn, t.hand, t.drawn, t.discarded, t.shanten, t.riichi, t.kind, t.best,
                    t.made, t.bestValue, t.loss, t.hasRiichiValues, t.riichiValue, t.damaValue);
}

// Every rated turn of three recorded games, rebuilt as seen from the East seat of a table (all
// not seen is unseen, the turn's draws are the ones left), rates exactly as the game's review
// rated it: the pool of the rebuilt position comes out as the solo game's.
TEST(TurnReview, APositionFromTheTableRatesAsTheSoloReviewRatesItsTurn) {
    const std::vector<GameRecord> games = TenGames();
    int riichiTurns = 0;
    for (GameRecord record : {games[0], games[5], games[8]}) {  // two declare riichi
        record.Decode();
        const GameReview review = ReviewGame(record);
        ASSERT_TRUE(review.replayed);
        KyokuState state;
        for (TileKind k : record.dealt) state.DrawKind(k);
        state.AddDoraIndicator(record.doraIndicator);
        std::size_t rated = 0;
        for (int t = 0; t < kMaxTurns && record.discards[t] != kNoTile; ++t) {
            ASSERT_TRUE(state.DrawKind(record.draws[t]));
            const bool declare = record.reachTurn == t + 1;
            if (state.reachTurn == 0) {
                const TablePosition seen{.tiles = state.hand,
                                         .drawn = state.lastDraw,
                                         .unseen = state.wall,
                                         .drawsLeft = kMaxTurns - state.turn,
                                         .doraIndicators = {record.doraIndicator}};
                const std::optional<KyokuState> table = TableState(seen);
                ASSERT_TRUE(table.has_value());
                EXPECT_EQ(table->poolBeforeFirstDraw, kSoloPoolBeforeFirstDraw);
                const std::optional<TurnReview> turn =
                    ReviewTurn(*table, record.discards[t], declare);
                ASSERT_TRUE(turn.has_value() && rated < review.turns.size());
                EXPECT_TRUE(Fields(*turn) == Fields(review.turns[rated++])) << t + 1;
                riichiTurns += turn->riichi;
            }
            ASSERT_TRUE(state.Discard(record.discards[t], declare));
        }
        EXPECT_EQ(rated, review.turns.size());
    }
    EXPECT_EQ(riichiTurns, 2);
}

// A non-dealer's position with more draws left than the solo game has; then spoilt ones.
TEST(TurnReview, TablePositionsAndImpossibleOnes) {
    TablePosition p{.tiles = ParseTiles("123m456p789s11222z").counts,
                    .drawn = ParseTile("2z"),
                    .unseen = ParseTiles("33334444z").counts,
                    .drawsLeft = 20,
                    .doraIndicators = {ParseTile("1m")}};
    p.seatWind = ParseTile("2z");
    const std::optional<KyokuState> s = TableState(p);
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(std::tie(s->turn, s->poolBeforeFirstDraw, s->dealer), std::make_tuple(1, 10, false));
    EXPECT_FALSE(ReviewTurn(*s, ParseTile("9m"), false).has_value()) << "a discard not held";
    p.unseen[ParseTile("1m")] = 4;  // five in view with the indicator
    EXPECT_FALSE(TableState(p).has_value());
    p.unseen = {};
    p.seatWind = ParseTile("5z");
    EXPECT_FALSE(TableState(p).has_value());
}

// The turns rated on several threads are the turns rated one by one, in the game's order.
TEST(ReviewThreadTest, TurnsRatedOnThreadsAreTheTurnsRatedOneByOne) {
    for (GameRecord record : TenGames()) {
        record.Decode();
        const GameReview one = ReviewGame(record, 1), four = ReviewGame(record, 4);
        ASSERT_EQ(one.turns.size(), four.turns.size());
        for (std::size_t i = 0; i < one.turns.size(); ++i) {
            const TurnReview &a = one.turns[i], &b = four.turns[i];
            EXPECT_EQ(ReviewLine(a), ReviewLine(b));
            EXPECT_EQ(std::tie(a.made, a.bestValue, a.riichiValue, a.damaValue, a.marked),
                      std::tie(b.made, b.bestValue, b.riichiValue, b.damaValue, b.marked));
        }
        EXPECT_EQ(one.totalLoss, four.totalLoss);
    }
}

}  // namespace
}  // namespace mizaro
