// The review of the hand-written game for seat 0, checked against ReviewTurn on each position
// and against totals and marks worked out here from the rated turns.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>
#include <string>

#include "online/online_review.h"
#include "online/read_online_log.h"
#include "online/table_position.h"
#include "online/table_state.h"
#include "stats/game_review.h"

namespace mizaro {
namespace {

OnlineGame Game() {
    const OnlineRead read =
        ReadOnlineLogFile(std::string(MIZARO_TEST_SOURCE_DIR) + "/online/data/game.json");
    EXPECT_TRUE(read.ok()) << read.error;
    return read.game;
}

// The kMarkedLosses largest losses above zero, largest first.
std::vector<double> Largest(std::vector<double> losses) {
    std::erase(losses, 0.0);
    std::sort(losses.begin(), losses.end(), std::greater<>());
    losses.resize(std::min<std::size_t>(losses.size(), kMarkedLosses));
    return losses;
}

TEST(OnlineReviewTest, EveryPositionIsRatedAsTheSoloReviewRatesATurnAndSummed) {
    const OnlineGame game = Game();
    const OnlineReview review = ReviewOnlineGame(game, 0);
    ASSERT_EQ(review.hands.size(), game.hands.size());
    std::vector<TurnReview> expected;  // ReviewTurn on each position, numbered by the player
    for (const TablePosition& p : ListPositions(game, 0))
        if (auto t = ReviewTurn(TableState(p).value(), p.discarded, p.riichi)) {
            t->turn = p.turn;
            expected.push_back(*t);
        }
    std::vector<double> all, gameMarks;
    double total = 0.0;
    for (const OnlineHandReview& hand : review.hands) {
        std::vector<double> losses, marks;
        for (const TurnReview& t : hand.turns) {
            ASSERT_LT(all.size(), expected.size());
            EXPECT_EQ(ReviewLine(t), ReviewLine(expected[all.size()]));
            const double loss = t.kind == RatingKind::kSearch ? t.loss : 0.0;
            all.push_back(loss);
            losses.push_back(loss);
            if (t.marked) marks.push_back(loss);
        }
        const double sum = std::accumulate(losses.begin(), losses.end(), 0.0);
        EXPECT_DOUBLE_EQ(hand.totalLoss, sum);
        std::sort(marks.begin(), marks.end(), std::greater<>());
        EXPECT_EQ(marks, Largest(losses)) << "hand " << hand.hand;
        total += sum;
    }
    EXPECT_EQ(all.size(), expected.size());
    EXPECT_DOUBLE_EQ(review.totalLoss, total);
    for (const TurnPlace& p : review.largest)
        gameMarks.push_back(review.hands[p.hand].turns[p.turn].loss);
    EXPECT_EQ(gameMarks, Largest(all));
}

TEST(OnlineReviewTest, ProgressCountsThePositionsAndCanStopTheReview) {
    int calls = 0;
    const OnlineReview review = ReviewOnlineGame(Game(), 0, [&](int done, int total) {
        EXPECT_EQ(done, ++calls);
        EXPECT_EQ(total, 9);
        return done < 2;
    });
    EXPECT_EQ(calls, 2);
    EXPECT_FALSE(review.complete);
    EXPECT_LE(review.hands[0].turns.size(), 2u);
    EXPECT_TRUE(review.hands[1].turns.empty());
}

}  // namespace
}  // namespace mizaro
