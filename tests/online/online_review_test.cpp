// The review of the hand-written game for seat 0, checked against ReviewTurn on each position
// and against totals and marks worked out here from the rated turns.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
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

// The marks expected: the kMarkedLosses largest searched losses above zero.
std::vector<double> Largest(std::vector<double> losses) {
    std::erase(losses, 0.0);
    std::sort(losses.begin(), losses.end(), std::greater<>());
    if (losses.size() > kMarkedLosses) losses.resize(kMarkedLosses);
    return losses;
}

TEST(OnlineReviewTest, EveryPositionIsRatedAsTheSoloReviewRatesATurnAndSummed) {
    const OnlineGame game = Game();
    const OnlineReview review = ReviewOnlineGame(game, 0);
    ASSERT_EQ(review.hands.size(), game.hands.size());
    EXPECT_TRUE(review.complete);
    std::vector<std::size_t> next(review.hands.size(), 0);
    for (const TablePosition& p : ListPositions(game, 0)) {
        const auto state = TableState(p);
        ASSERT_TRUE(state);
        const auto expected = ReviewTurn(*state, p.discarded, p.riichi);
        if (!expected) continue;
        const OnlineHandReview& hand = review.hands[p.hand - 1];
        ASSERT_LT(next[p.hand - 1], hand.turns.size());
        const TurnReview& got = hand.turns[next[p.hand - 1]++];
        EXPECT_EQ(got.turn, p.turn);
        EXPECT_EQ(ReviewLine(got).substr(ReviewLine(got).find(' ')),
                  ReviewLine(*expected).substr(ReviewLine(*expected).find(' ')));
        EXPECT_EQ(got.riichiValue, expected->riichiValue);
    }
    double total = 0.0;
    std::vector<double> all, allMarked;
    for (std::size_t h = 0; h < review.hands.size(); ++h) {
        const OnlineHandReview& hand = review.hands[h];
        EXPECT_EQ(next[h], hand.turns.size()) << "hand " << h + 1;
        double sum = 0.0;
        std::vector<double> losses, marked;
        for (const TurnReview& t : hand.turns) {
            const double loss = t.kind == RatingKind::kSearch ? t.loss : 0.0;
            sum += loss;
            losses.push_back(loss);
            all.push_back(loss);
            if (t.marked) marked.push_back(loss);
        }
        EXPECT_DOUBLE_EQ(hand.totalLoss, sum);
        std::sort(marked.begin(), marked.end(), std::greater<>());
        EXPECT_EQ(marked, Largest(losses)) << "hand " << h + 1;
        total += sum;
    }
    EXPECT_DOUBLE_EQ(review.totalLoss, total);
    for (const TurnPlace& p : review.largest)
        allMarked.push_back(review.hands[p.hand].turns[p.turn].loss);
    EXPECT_EQ(allMarked, Largest(all));
}

TEST(OnlineReviewTest, ProgressCountsThePositionsAndCanStopTheReview) {
    const OnlineGame game = Game();
    int calls = 0;
    const OnlineReview review = ReviewOnlineGame(game, 0, [&](int done, int total) {
        EXPECT_EQ(done, ++calls);
        EXPECT_EQ(total, 9);
        return done < 2;
    });
    EXPECT_EQ(calls, 2);
    EXPECT_FALSE(review.complete);
    std::size_t rated = 0;
    for (const OnlineHandReview& h : review.hands) rated += h.turns.size();
    EXPECT_LE(rated, 2u);
}

}  // namespace
}  // namespace mizaro
