// The review of the hand-written game for seat 0, checked against ReviewTurn on each position
// and against totals and marks worked out here from the rated turns; its page in both
// languages, with the same figures in the same order and names that cannot break it.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <numeric>
#include <string>

#include "online/online_drill.h"
#include "online/online_review.h"
#include "online/online_review_page.h"
#include "online/read_online_log.h"
#include "online/table_position.h"
#include "online/table_state.h"
#include "platform/text_encoding.h"
#include "stats/game_review.h"
#include "tests/english_text.h"

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

    // The drill takes each rated turn with the state it was rated on.
    const std::vector<TableTurn> turns = ReviewedTableTurns(game, review);
    ASSERT_EQ(turns.size(), expected.size());
    for (std::size_t i = 0; i < turns.size(); ++i) {
        std::optional<TurnReview> again =
            ReviewTurn(turns[i].state, turns[i].review.discarded, turns[i].review.riichi);
        ASSERT_TRUE(again.has_value());
        again->turn = turns[i].discardNumber;
        again->marked = turns[i].review.marked;
        EXPECT_EQ(ReviewLine(*again), ReviewLine(turns[i].review));
    }
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
    std::size_t rated = 0;
    for (const OnlineHandReview& hand : review.hands) rated += hand.turns.size();
    EXPECT_LE(rated, 2u);
    const std::atomic<bool> stop{true};
    EXPECT_FALSE(ReviewOnlineGame(Game(), 0, {}, 1, &stop).complete) << "stopped in a search";
}

TEST(OnlineReviewPageTest, BothLanguagesShowTheSameFiguresResultsAndSafeNames) {
    OnlineGame game = Game();
    game.names = {"Ao", "B", "C", "D"};
    const OnlineReview review = ReviewOnlineGame(game, 0);
    const std::string ja = OnlineReviewPage(game, review, Language::kJapanese);
    const std::string en = OnlineReviewPage(game, review, Language::kEnglish);
    EXPECT_FALSE(testing::HasJapanese(en));
    EXPECT_NE(en.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_TRUE(Utf8ToCp932(ja));
    EXPECT_EQ(testing::Figures(ja), testing::Figures(en));
    for (const char* text :
         {"東1局 0本場", "Ao が C から和了 1000 点", "C が B から和了 2000 点", "流局", "赤五"})
        EXPECT_NE(ja.find(text), std::string::npos) << text;
    for (const char* text : {"East 2, 0 honba", "Ao (reviewed)", "C wins on B's discard, 2000",
                             "Exhaustive draw", "red five counts as an ordinary five"})
        EXPECT_NE(en.find(text), std::string::npos) << text;

    // Names that would break the page or keep it out of code page 932 are written as references.
    game.names = {"<i>&\"", "한", std::string("x\xff\x01y"), ""};
    const std::string named = OnlineReviewPage(game, review, Language::kJapanese);
    EXPECT_TRUE(Utf8ToCp932(named));
    for (const char* text : {"&#60;i&#62;&#38;&#34;", "&#54620;", "x&#65533;&#65533;y"})
        EXPECT_NE(named.find(text), std::string::npos) << text;
    EXPECT_EQ(named.find("<i>"), std::string::npos);
}

}  // namespace
}  // namespace mizaro
