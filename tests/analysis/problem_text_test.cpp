#include "analysis/problem_text.h"

#include <gtest/gtest.h>

#include "core/tile_html.h"
#include "golden_page.h"
#include "search_test_util.h"

namespace mizaro {
namespace {

using testing::ExpectGolden;

std::string Problem(const std::string& line) {
    const AnalysisText text = ProblemTextFor(Position(line));
    EXPECT_TRUE(text.ok()) << text.refusal;
    return text.text;
}

TEST(ProblemText, TheProblemThenTheExplanation) {
    const std::string line = "123m456p789s11z57z6z turn=3 dora=1p";
    const std::string text = Problem(line);
    ExpectGolden("problem_three_dragons.txt", text);
    // The problem is the fragment that copying the position gives, for the same pages.
    const std::string problem =
        "<h1>問題</h1>\n" + CopyPositionHtmlText(Position(line)) + "<P>　</P>\n<h1>解説</h1>\n";
    EXPECT_EQ(text.substr(0, problem.size()), problem);
    std::size_t bold = 0;
    for (std::size_t at = text.find("<B>"); at != std::string::npos; at = text.find("<B>", at + 1))
        ++bold;
    EXPECT_EQ(bold, 3u) << "three equally good discards, all bold";
}

TEST(ProblemText, EdgesOfTheText) {
    EXPECT_EQ(Problem("123m456p789s11z555z turn=3"), "");
    const std::string late = Problem("123m456p789s11z57z6z turn=18 dora=1p");
    const std::string tail = "<P>　</P>\n<P>期待値：0</P>\n";
    EXPECT_EQ(late.substr(late.size() - tail.size()), tail);
    const AnalysisText refused = ProblemTextFor(Position("129m1459p1459s112z"));
    EXPECT_EQ(refused.refusal, "4向聴以上は計算時間がかかるので未対応");
    EXPECT_TRUE(refused.text.empty());
}

}  // namespace
}  // namespace mizaro
