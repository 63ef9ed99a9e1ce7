// Reviews of games the flow itself dealt, played and recorded.
#include <gtest/gtest.h>

#include <map>

#include "analysis/computer_discard.h"
#include "analysis/nanikiru_search.h"
#include "app/review_source.h"
#include "core/random.h"
#include "flow_test_support.h"
#include "stats/game_review.h"
#include "temp_dir.h"

namespace mizaro {
namespace {

using testing::FakeView;

// A player who always throws the discard the search values highest (the lowest kind of equal
// ones), counts tiles further from ready, and declares riichi when the discard allows it.
TileKind BestDiscard(const KyokuState& state) {
    if (state.Shanten() > kReviewSearchShanten) return AcceptanceChoice(state);
    NanikiruSearch top(state, true, true, 0);
    top.AnalyzeDiscards();
    DiscardValues values{};
    top.CandidateValues(values);
    TileKind best = kNoTile;
    for (const NanikiruSearch* c : top.CandidateNodes()) {
        const TileKind k = c->state().lastDiscard;
        if (best == kNoTile || values[k] > values[best]) best = k;
    }
    top.FreeCache();
    return best == kNoTile ? state.lastDraw : best;
}

void ExpectSameTurns(const TurnReview& a, const TurnReview& b) {
    EXPECT_EQ(a.turn, b.turn);
    EXPECT_EQ(a.hand, b.hand);
    EXPECT_EQ(a.drawn, b.drawn);
    EXPECT_EQ(a.discarded, b.discarded);
    EXPECT_EQ(a.kind, b.kind);
    EXPECT_EQ(a.best, b.best);
    EXPECT_EQ(a.made, b.made);
    EXPECT_EQ(a.bestValue, b.bestValue);
    EXPECT_EQ(a.loss, b.loss);
}

TEST(GameReviewOfPlayedGames, BestPlayLosesNothingAndTheLogReadsBackTheSameReview) {
    SeedThreadRandom(20261207);
    FakeView view;
    GameFlow flow(view);
    view.flow = &flow;
    flow.showResult = false;
    flow.assistLimit = kAssistOff;
    flow.userStats.name = "default";
    constexpr int kGames = 3;
    constexpr int kSnapshotTurn = 6;
    flow.NewGame();
    // Reviews of the game in progress at one turn, by the number of the game.
    std::map<std::size_t, GameReview> midGame;
    EXPECT_FALSE(HasGameInProgress(flow)) << "a game just dealt has nothing to review";
    while (flow.userStats.records.size() < kGames) {
        if (flow.state.turn == kSnapshotTurn) {
            ASSERT_TRUE(HasGameInProgress(flow));
            midGame[flow.userStats.records.size()] = ReviewGame(*GameInProgress(flow));
        }
        const TileKind k = BestDiscard(flow.state);
        flow.PlayerDiscard(flow.state.HandSlot(k), true);
    }

    int searched = 0;
    std::vector<GameReview> played;
    for (int n = kGames; n >= 1; --n) {
        const GameReview review = ReviewGame(*RecordedGame(flow.userStats, n));
        ASSERT_TRUE(review.replayed) << n;
        EXPECT_NE(review.outcome, GameOutcome::kInProgress);
        for (const TurnReview& t : review.turns) {
            if (t.kind != RatingKind::kSearch) continue;
            ++searched;
            EXPECT_EQ(t.loss, 0.0) << "game " << n << " turn " << t.turn;
            EXPECT_TRUE(t.best[t.discarded]) << "game " << n << " turn " << t.turn;
        }
        EXPECT_EQ(review.totalLoss, 0.0);
        // The game in progress was the same game up to the snapshot.
        const std::size_t index = played.size();
        if (midGame.count(index) != 0) {
            const GameReview& early = midGame[index];
            ASSERT_TRUE(early.replayed);
            EXPECT_EQ(early.outcome, GameOutcome::kInProgress);
            ASSERT_LE(early.turns.size(), review.turns.size());
            for (std::size_t i = 0; i < early.turns.size(); ++i)
                ExpectSameTurns(early.turns[i], review.turns[i]);
        }
        played.push_back(review);
    }
    EXPECT_GT(searched, 0);
    EXPECT_FALSE(RecordedGame(flow.userStats, 0).has_value());
    EXPECT_FALSE(RecordedGame(flow.userStats, kGames + 1).has_value());

    testing::TempDir dir;
    ASSERT_TRUE(flow.userStats.Save(dir.Dir()));
    StatSummary readBack;
    readBack.Load(flow.userStats.name, dir.Dir());
    ASSERT_EQ(readBack.records.size(), static_cast<std::size_t>(kGames));
    for (int n = kGames; n >= 1; --n) {
        const GameReview& original = played[kGames - n];
        const GameReview review = ReviewGame(*RecordedGame(readBack, n));
        ASSERT_TRUE(review.replayed);
        EXPECT_EQ(review.outcome, original.outcome);
        EXPECT_EQ(review.lastTurn, original.lastTurn);
        EXPECT_EQ(review.points, original.points);
        EXPECT_EQ(review.reachTurn, original.reachTurn);
        EXPECT_EQ(review.totalLoss, original.totalLoss);
        ASSERT_EQ(review.turns.size(), original.turns.size());
        for (std::size_t i = 0; i < review.turns.size(); ++i) {
            ExpectSameTurns(review.turns[i], original.turns[i]);
            EXPECT_EQ(review.turns[i].riichi, original.turns[i].riichi);
            EXPECT_EQ(review.turns[i].marked, original.turns[i].marked);
        }
    }
}

TEST(GameReviewOfPlayedGames, ALoadedOrEditedTableHasNoGameInProgress) {
    SeedThreadRandom(41);
    FakeView view;
    GameFlow flow(view);
    flow.showResult = false;
    flow.NewGame();
    flow.PlayerDiscard(kDrawnSlot, false);
    EXPECT_TRUE(HasGameInProgress(flow));
    const std::optional<GameRecord> record = GameInProgress(flow);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->reachTurn, 0) << "the record itself holds -1 until the game ends";
    flow.SetEditing(true);
    EXPECT_FALSE(GameInProgress(flow).has_value());
    flow.SetEditing(false);
    EXPECT_FALSE(GameInProgress(flow).has_value()) << "an edited game stays unreviewable";
    flow.NewGame();
    flow.simRunning = true;
    EXPECT_FALSE(GameInProgress(flow).has_value());
}

}  // namespace
}  // namespace mizaro
