// Each page and text of the statistics, written in both languages from the same ten games: the
// English one has no Japanese character at all, carries the Japanese one's numbers in the same
// order, and a page declares UTF-8.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "english_text.h"
#include "platform/atomic_file.h"
#include "stats/detail_analysis.h"
#include "stats/detail_lists.h"
#include "stats/drill_deck.h"
#include "stats/drill_page.h"
#include "stats/game_log.h"
#include "stats/review_page.h"
#include "stats/stat_page.h"
#include "stats/stat_text.h"
#include "temp_dir.h"
#include "ten_games.h"

namespace mizaro {
namespace {

using testing::Figures;
using testing::HasJapanese;

struct Rendering {
    const char* name;
    bool page;
    std::function<std::string(Language)> render;
};

TEST(EnglishPages, SameNumbersAsTheJapaneseAndNoJapaneseCharacter) {
    std::vector<GameRecord> games = TenGames();
    testing::TempDir dir;
    StatSummary summary;  // counted again from its log, as when the counter file is missing
    ASSERT_TRUE(WriteFileAtomically(dir.File("StatMan.log"), FormatGameLog(games)));
    summary.Load("default", dir.Dir());
    ASSERT_EQ(summary.N, 10);

    DetailAnalysis detail;
    detail.ReplayAll(TenGames());
    detail.ApplyFilter();
    detail.Aggregate();

    std::vector<GameReview> reviews(1);  // the first is a record that cannot be replayed
    for (GameRecord g : TenGames()) {
        g.Decode();
        reviews.push_back(ReviewGame(g));
    }

    DrillDeck deck;
    const int today = 20000;
    deck.AddHarvest(HarvestProblems(TenGames(), 0, {}, nullptr, {}, 1), TenGames(), 0, today);
    ASSERT_GE(deck.problems.size(), 2u);
    deck.problems[1].schedule.answers = 3;
    deck.problems[1].schedule.wrong = 2;
    deck.days.push_back({today, 3, 1, 0, 0.0});

    const Rendering renderings[] = {
        {"Stat.htm", true, [&](Language l) { return StatPageHtml(summary, StatSummary{}, l); }},
        {"stat text", false, [&](Language l) { return StatText(summary, kStatTextAll, l); }},
        {"detail lists", false,
         [&](Language l) {
             std::string text;
             for (const DetailListId& id : kDetailLists)
                 text +=
                     DetailPageLabel(id.page, l) + ListCopyText(DetailList(id, detail.totals, l));
             return text;
         }},
        {"Review.htm", true,
         [&](Language l) {
             std::string pages;
             for (std::size_t i = 0; i < reviews.size(); ++i)
                 pages += ReviewPage(reviews[i], ReviewTitle(static_cast<int>(i), l), l);
             return pages;
         }},
        {"Drill.htm", true,
         [&](Language l) { return DrillPage(deck, today, l) + DrillPage(DrillDeck{}, today, l); }},
    };
    for (const Rendering& r : renderings) {
        const std::string japanese = r.render(Language::kJapanese);
        const std::string english = r.render(Language::kEnglish);
        EXPECT_TRUE(HasJapanese(japanese)) << r.name;
        EXPECT_FALSE(HasJapanese(english)) << r.name;
        const std::vector<std::string> numbers = Figures(japanese);
        EXPECT_GT(numbers.size(), 10u) << r.name;
        EXPECT_EQ(Figures(english), numbers) << r.name;
        if (r.page) {
            EXPECT_NE(english.find("<meta charset=\"utf-8\">"), std::string::npos) << r.name;
        }
    }
}

}  // namespace
}  // namespace mizaro
