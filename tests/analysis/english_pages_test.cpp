// The English pages and texts are the Japanese ones translated: they hold no Japanese, carry the
// same numbers in the same order, and the pages say they are UTF-8.
#include <gtest/gtest.h>

#include <algorithm>

#include "analysis/problem_text.h"
#include "analysis/report_page.h"
#include "analysis/riichi_analysis.h"
#include "core/scoring/score_text.h"
#include "english_text.h"
#include "search_test_util.h"
#include "tests/core/scoring_helpers.h"

namespace mizaro {
namespace {

constexpr Language kBoth[] = {Language::kJapanese, Language::kEnglish};

struct Translated {
    std::string what;
    std::string text[2];  // Japanese, English
    bool page = false;    // a whole page, with its head
};

using scoringtest::Scored;
using testing::Figures;

std::vector<Translated> BothLanguages() {
    std::vector<Translated> all;
    // A report and a problem from one search, so that both show the same search time.
    constexpr struct {
        const char* line;
        int depth;
        std::size_t sizeLimit;
    } kReports[] = {
        {"123m456p789s11z57z6z turn=3 dora=1p", 2, kReportPageSizeLimit},   // wins at depth 2
        {"123m456p789s11z57z6z turn=18 dora=1p", 1, kReportPageSizeLimit},  // nothing of value
        {"19m19p19s12z555666z turn=3 mode=kokushi slack=1", 2, 20000},      // cut short
    };
    for (const auto& r : kReports) {
        const PositionRequest request = ParsePositionLine(r.line);
        NanikiruSearch top(request.state, true, true, request.slack);
        top.AnalyzeDiscards();
        Translated report{std::string("report ") + r.line, {}, true};
        Translated problem{std::string("problem ") + r.line, {}};
        for (int i : {0, 1}) {
            report.text[i] = ReportPage(top, r.depth, r.sizeLimit, kBoth[i]);
            problem.text[i] = ProblemText(top, kBoth[i]);
        }
        top.FreeCache();
        all.push_back(report);
        all.push_back(problem);
    }
    const KyokuState changes = Position("234567m24p678s55z1z turn=4 dora=5p");
    const KyokuState farAway = Position("129m1459p1459s112z");
    const KyokuState unready = Position("123m456p789s11z57z6z turn=3");
    const AgariResult wins[] = {
        Scored({{yaku::kTsumo, 1}, {yaku::kPinfu, 1}}, 20, 2100),
        Scored({{yaku::kTsumo, 1}, {yaku::kChanta, 2}, {yaku::kYakuhai, 1}}, 40, 12000),
        Scored({{yaku::kTsumo, 1}, {yaku::kDora, 16}}, 0, 48000),
        Scored({{yaku::kSuuankou, 26}, {yaku::kDaisangen, 13}, {yaku::kTsuuiisou, 13}}, 0, 192000),
    };
    Translated dama{"dama", {}, true}, refusals{"refusals", {}}, score{"score texts", {}};
    for (int i : {0, 1}) {
        dama.text[i] = DamaPageFor(changes, kBoth[i]).text;
        refusals.text[i] = ReportPageFor(farAway, 0, 1, kReportPageSizeLimit, kBoth[i]).refusal +
                           ProblemTextFor(farAway, kBoth[i]).refusal +
                           DamaPageFor(unready, kBoth[i]).refusal;
        for (const AgariResult& win : wins) score.text[i] += FormatScoreText(win, kBoth[i]);
    }
    all.insert(all.end(), {dama, refusals, score});
    return all;
}

TEST(EnglishPages, SameNumbersNoJapaneseDeclaredUtf8) {
    for (const Translated& t : BothLanguages()) {
        SCOPED_TRACE(t.what);
        const std::string& english = t.text[1];
        ASSERT_FALSE(Figures(t.text[0]).empty());
        EXPECT_EQ(Figures(english), Figures(t.text[0]));
        // Plain ASCII: no kana, kanji, full-width space or punctuation is left over.
        EXPECT_TRUE(std::none_of(english.begin(), english.end(), [](char c) { return c & 0x80; }))
            << english;
        if (t.page) {
            const std::size_t meta = english.find("<meta charset=\"utf-8\">");
            EXPECT_LT(meta, english.find("</head>"));
            EXPECT_EQ(english.substr(english.size() - kPageTail.size()), kPageTail);
        }
    }
}

}  // namespace
}  // namespace mizaro
