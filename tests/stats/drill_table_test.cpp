// Problems from the positions of a four-player game: searched again they give the review's
// values, a variant moves the table's tiles with its suits, they read back from the drill file
// (which an older reader refuses whole) and importing the same game again adds none.
#include <gtest/gtest.h>

#include <algorithm>
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
                                       (p.seat - (p.seatWind - kEast) + 4) % 4 + 1, p.turn});
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
    bool laterIndicator = false, nonDealer = false;
    int variants = 0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const DrillProblem& p = Problems()[i];
        const TurnReview& r = expected[i]->review;
        laterIndicator |= !p.position.table->laterIndicators.empty();
        nonDealer |= !p.position.table->dealer;
        KyokuState state;
        ASSERT_TRUE(BuildProblemState(p.position, state));
        EXPECT_EQ(state.poolBeforeFirstDraw, expected[i]->state.poolBeforeFirstDraw);
        // The candidates of a new search of the kept state are the review's to the last bit.
        const std::vector<DrillCandidate> again = SearchCandidates(state, p.made);
        ASSERT_NE(FindCandidate(again, r.discarded), nullptr);
        EXPECT_EQ(FindCandidate(again, r.discarded)->value, r.made);
        double top = 0.0;
        for (const DrillCandidate& c : again) top = std::max(top, c.value);
        EXPECT_EQ(top, r.bestValue);
        EXPECT_EQ(BestDiscards(again), r.best);

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
    EXPECT_TRUE(laterIndicator && nonDealer);
    EXPECT_GT(variants, 0);
}

TEST(DrillTable, AProblemReadsBackAnOlderReaderRefusesItAndASecondImportAddsNone) {
    DrillDeck deck;
    deck.nextId = 7;
    // The discards rated beside the one made share its position: one problem a position.
    int count = 0;
    for (auto p = Problems().begin(); p != Problems().end(); ++p)
        count += std::none_of(Problems().begin(), p,
                              [&p](const DrillProblem& q) { return q.position == p->position; });
    EXPECT_EQ(deck.AddTableProblems(Problems()), count);
    EXPECT_EQ(deck.AddTableProblems(Problems()), 0);
    EXPECT_EQ(deck.problems.back().id, 7 + count - 1);
    const std::string text = FormatDrillFile(deck);
    ASSERT_EQ(text.rfind("MizaroDrill 2\n", 0), 0u);

    DrillDeck loaded;
    EXPECT_EQ(ParseDrillFile(text, loaded).damagedLines, 0);
    ASSERT_EQ(loaded.problems.size(), deck.problems.size());
    EXPECT_EQ(loaded.problems.front().position, deck.problems.front().position);
    EXPECT_EQ(FormatDrillFile(loaded), text);
    EXPECT_EQ(loaded.AddTableProblems(Problems()), 0) << "the source and position read back";

    // The page names where a problem missed was met, with every indicator.
    DrillProblem& missed = *std::find_if(deck.problems.begin(), deck.problems.end(), [](auto& p) {
        return !p.position.table->laterIndicators.empty();
    });
    missed.schedule.answers = missed.schedule.wrong = 1;
    const std::string page = DrillPage(deck, 0, Language::kEnglish);
    std::string images;
    for (TileKind k : DoraIndicators(missed.position))
        images += "<IMG SRC=\"" + TileImagePath(k) + "\">";
    EXPECT_NE(page.find("East round"), std::string::npos);
    EXPECT_NE(page.find(images + "</TD><TD>East " + std::to_string(missed.position.table->kyoku)),
              std::string::npos);
    EXPECT_NE(page.find("&lt;1&gt;.mjlog"), std::string::npos);

    // A table line under the old header is damage of its line alone.
    std::string old = text;
    old.replace(0, 13, "MizaroDrill 1");
    EXPECT_EQ(ParseDrillFile(old, loaded).damagedLines, count);

    // One spoilt token of a table line costs that line.
    const std::string line = text.substr(text.find("\ntable ") + 1);
    const std::string first = line.substr(0, line.find('\n') + 1);
    std::vector<std::string> tokens;
    for (std::size_t at = 0; at < first.size();) {
        const std::size_t end = first.find_first_of(" \n", at);
        tokens.push_back(first.substr(at, end - at));
        at = end + 1;
    }
    const struct {
        int token;
        const char* value;
    } spoilt[] = {{2, "0"},      {4, "8z"}, {5, "-"},   {6, "5z"},  {8, "2"},
                  {9, "11111m"}, {10, "5"}, {11, "19"}, {12, "%4"}, {12, "%G0"}};
    for (const auto& s : spoilt) {
        std::vector<std::string> bad = tokens;
        bad[s.token] = s.value;
        std::string badLine = "MizaroDrill 2\n";
        for (const std::string& t : bad) badLine += t + ' ';
        DrillDeck read;
        EXPECT_EQ(ParseDrillFile(badLine, read).damagedLines, 1) << s.token << ' ' << s.value;
    }
}

}  // namespace
}  // namespace mizaro
