// Problems from the positions of a four-player game: searched again they give the review's
// values, a variant moves the table's tiles with its suits, they read back from the drill file
// (which an older reader refuses whole) and importing the same game again adds none.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "core/tile_names.h"
#include "online/read_online_log.h"
#include "online/table_position.h"
#include "online/table_state.h"
#include "stats/drill_card.h"
#include "stats/drill_deck.h"
#include "stats/drill_import.h"
#include "stats/drill_page.h"

namespace mizaro {
namespace {

const std::string kSource = "東風戦 <1>.mjlog";

// Every rated position of every seat of the hand-written three-hand game. No discard made
// after a kan lost anything, so those positions are rated for every discard they hold too.
const std::vector<TableTurn>& Turns() {
    static const std::vector<TableTurn> turns = [] {
        const OnlineRead read =
            ReadOnlineLogFile(std::string(MIZARO_TEST_SOURCE_DIR) + "/online/data/game.mjlog");
        std::vector<TableTurn> out;
        for (int seat = 0; seat < 4; ++seat)
            for (const TablePosition& p : ListPositions(read.game, seat)) {
                const std::optional<KyokuState> state = TableState(p);
                if (!state) continue;
                for (TileKind k = 0; k < kKinds; ++k) {
                    if (k != p.discarded && (p.doraIndicators.size() < 2 || p.tiles[k] == 0))
                        continue;
                    if (std::optional<TurnReview> review = ReviewTurn(*state, k, p.riichi))
                        out.push_back({*state, *review, p.doraIndicators,
                                       KyokuOf(p.seat, p.seatWind), p.turn});
                }
            }
        return out;
    }();
    return turns;
}

// Every searched loss, so that the few positions of the game give problems enough.
const std::vector<DrillProblem>& Problems() {
    static const std::vector<DrillProblem> problems = TableProblems(Turns(), kSource, {0.0, 0.0});
    return problems;
}

TEST(DrillTable, SearchedAgainAProblemGivesTheReviewsValuesAndAVariantMovesItsTiles) {
    std::vector<const TableTurn*> expected;
    for (const TableTurn& t : Turns())
        if (t.review.kind == RatingKind::kSearch && t.review.loss > 0.0) expected.push_back(&t);
    ASSERT_EQ(Problems().size(), expected.size());
    ASSERT_GE(expected.size(), 3u);
    const std::atomic<bool> stop{true};
    EXPECT_TRUE(TableProblems(Turns(), kSource, {0.0, 0.0}, &stop).empty()) << "stopped";
    int variants = 0, laterIndicators = 0, nonDealers = 0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const DrillProblem& p = Problems()[i];
        const TurnReview& r = expected[i]->review;
        laterIndicators += !p.position.table->laterIndicators.empty();
        nonDealers += !p.position.table->dealer;
        KyokuState state;
        ASSERT_TRUE(BuildProblemState(p.position, state));
        // The candidates of a new search of the kept state are the review's to the last bit.
        const std::vector<DrillCandidate> again = SearchCandidates(state, p.made);
        ASSERT_NE(FindCandidate(again, r.discarded), nullptr);
        EXPECT_EQ(FindCandidate(again, r.discarded)->value, r.made);
        EXPECT_EQ(BestDiscards(again), r.best);
        const auto best = std::find(r.best.begin(), r.best.end(), true) - r.best.begin();
        EXPECT_EQ(FindCandidate(again, static_cast<TileKind>(best))->value, r.bestValue);

        const SuitPermutation suits{{2, 0, 1}};
        const DrillCard card = PrepareCard(p, suits);
        KyokuState shown;
        ASSERT_TRUE(BuildProblemState(card.position, shown));
        if (!card.variant) continue;
        ++variants;
        const KyokuState moved = PermuteState(state, suits);
        EXPECT_EQ(std::tie(shown.wall, shown.dora, shown.hand, shown.poolBeforeFirstDraw),
                  std::tie(moved.wall, moved.dora, moved.hand, moved.poolBeforeFirstDraw));
    }
    EXPECT_TRUE(variants > 0 && laterIndicators > 0 && nonDealers > 0);
}

TEST(DrillTable, AProblemReadsBackAnOlderReaderRefusesItAndASecondImportAddsNone) {
    DrillDeck deck;
    // The discards rated beside the one made share its position: one problem a position.
    const int count = deck.AddTableProblems(Problems());
    EXPECT_GE(count, 3);
    EXPECT_EQ(deck.AddTableProblems(Problems()), 0);
    const std::string text = FormatDrillFile(deck);
    ASSERT_EQ(text.rfind("MizaroDrill 2\n", 0), 0u);
    DrillDeck loaded;
    EXPECT_EQ(ParseDrillFile(text, loaded).damagedLines, 0);
    EXPECT_EQ(FormatDrillFile(loaded), text);
    EXPECT_EQ(loaded.AddTableProblems(Problems()), 0) << "the source and position read back";
    // A file that gave out every id takes no new problem rather than overflowing the next one.
    DrillDeck full;
    ASSERT_EQ(ParseDrillFile("MizaroDrill 1\nnext 2147483647\n", full).damagedLines, 0);
    EXPECT_EQ(full.AddTableProblems(Problems()), 0);
    // A table line under the old header is damage of its line alone.
    EXPECT_EQ(ParseDrillFile("MizaroDrill 1" + text.substr(13), loaded).damagedLines, count);

    // The page names where a problem missed was met, with every indicator, the name escaped.
    DrillProblem& missed = *std::find_if(deck.problems.begin(), deck.problems.end(), [](auto& p) {
        return !p.position.table->laterIndicators.empty();
    });
    missed.schedule.answers = missed.schedule.wrong = 1;
    std::string images;
    for (TileKind k : DoraIndicators(missed.position))
        images += "<IMG SRC=\"" + TileImagePath(k) + "\">";
    const std::string page = DrillPage(deck, 0, Language::kEnglish);
    EXPECT_NE(page.find(images + "</TD><TD>East " + std::to_string(missed.position.table->kyoku)),
              std::string::npos);
    EXPECT_NE(page.find("&lt;1&gt;.mjlog"), std::string::npos);

    // One spoilt token of a table line costs that line.
    const std::size_t at = text.find("\ntable ") + 1;
    std::istringstream line(text.substr(at, text.find('\n', at) - at));
    const std::vector<std::string> tokens{std::istream_iterator<std::string>(line), {}};
    const std::pair<int, const char*> spoilt[] = {{2, "0"},   {4, "8z"},     {5, "-"},  {6, "5z"},
                                                  {8, "2"},   {9, "11111m"}, {10, "5"}, {11, "19"},
                                                  {12, "%4"}, {12, "%G0"}};
    for (const auto& [token, value] : spoilt) {
        std::string bad = "MizaroDrill 2\n";
        for (std::size_t i = 0; i < tokens.size(); ++i)
            bad += (static_cast<int>(i) == token ? value : tokens[i]) + ' ';
        EXPECT_EQ(ParseDrillFile(bad, loaded).damagedLines, 1) << token << ' ' << value;
    }
}

}  // namespace
}  // namespace mizaro
