#include "analysis/report_page.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "core/hand_notation.h"
#include "core/scoring/yaku_names.h"
#include "core/shanten.h"
#include "golden_page.h"
#include "search_test_util.h"

namespace mizaro {
namespace {

using testing::ExpectGolden;
using testing::WithoutSearchTime;

// One step from ready with three lone dragons: whichever goes, the hand is the same up to the
// names of the dragons, so the three discards are worth exactly the same.
constexpr const char* kThreeDragons = "123m456p789s11z57z6z turn=3 dora=1p";

std::string Report(const std::string& line, int depth) {
    const PositionRequest request = ParsePositionLine(line);
    EXPECT_TRUE(request.ok()) << request.error;
    const AnalysisText page = ReportPageFor(request.state, request.slack, depth);
    EXPECT_TRUE(page.ok()) << page.refusal;
    return WithoutSearchTime(page.text);
}

int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

std::string Format(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

TEST(ReportPage, MatchesTheGoldenPages) {
    const std::string ties = Report(kThreeDragons, 2);
    EXPECT_EQ(Count(ties, "<B>　"), 3) << "every discard as good as the best is bold";
    ExpectGolden("report_three_dragons_depth2.htm", ties);
    ExpectGolden("report_kokushi_depth3.htm", Report("19m19p19s12z555666z turn=3 mode=kokushi", 3));
    ExpectGolden("report_after_last_draw.htm", Report("123m456p789s11z57z6z turn=18 dora=1p", 1));
    // With hand changes: the candidate table, whose keys carry the slack each discard left.
    const std::string changes = Report(std::string(kThreeDragons) + " slack=1", 1);
    ExpectGolden("report_changes_candidates.htm", changes.substr(0, changes.find("<BR><P>")));
}

TEST(ReportPage, EdgesOfThePage) {
    // A complete hand has nothing to discard: only the frame is written, whatever the slack.
    const std::string frame = PageHead("何切る？ Mizaro") + std::string(kPageTail);
    EXPECT_EQ(Report("123m456p789s11z555z turn=3", 5), frame);
    EXPECT_EQ(Report("123m456p789s11z555z turn=3 slack=1", 5), frame);

    // After the last draw no discard is worth anything.
    const std::string late = Report("123m456p789s11z57z6z turn=18 dora=1p", 1);
    EXPECT_NE(late.find("<P>期待値：0</P>\n</body></html>"), std::string::npos);

    // Four steps from ready: refused before any search.
    const PositionRequest far = ParsePositionLine("129m1459p1459s112z");
    ASSERT_EQ(Shanten(far.state.hand), 4);
    const AnalysisText refused = ReportPageFor(far.state, 0, 1);
    EXPECT_FALSE(refused.ok());
    EXPECT_EQ(refused.refusal, "4 向聴以上は計算時間がかかるので未対応です");
    EXPECT_TRUE(refused.text.empty());

    // Only the rows of shanten counts the search reached, and always the total.
    const std::string one = Report(kThreeDragons, 1);
    for (const char* row : {"和了形", "聴牌形", "一向聴", "合計"})
        EXPECT_EQ(Count(one, std::string(">") + row + "</TD>"), 1) << row;
    EXPECT_EQ(Count(one, "二向聴"), 0);
}

// Past its size limit the page begins no further section and says so at its end: what it shows
// is the start of the whole page, and a page below the limit is the whole page.
TEST(ReportPage, StopsDescendingPastTheSizeLimit) {
    const PositionRequest request = ParsePositionLine(kThreeDragons);
    const auto page = [&](std::size_t limit) {
        return WithoutSearchTime(ReportPageFor(request.state, request.slack, 3, limit).text);
    };
    const std::string whole = page(kReportPageSizeLimit);
    const std::string tail =
        "<P>ページが大きくなりすぎるため、ここで打ち切りました。</P>\n" + std::string(kPageTail);
    EXPECT_EQ(Count(whole, "ここで打ち切りました"), 0);
    EXPECT_EQ(page(whole.size()), whole);

    const std::size_t sections = whole.find("<P><A NAME=\"");
    ASSERT_NE(sections, std::string::npos);
    const std::size_t limit = (sections + whole.size()) / 2;
    const std::string cut = page(limit);
    ASSERT_GT(cut.size(), tail.size());
    ASSERT_EQ(cut.substr(cut.size() - tail.size()), tail);
    const std::string shown = cut.substr(0, cut.size() - tail.size());
    EXPECT_GE(shown.size(), limit);
    EXPECT_LT(shown.rfind("<P><A NAME=\""), limit) << "no section begun past the limit";
    EXPECT_EQ(whole.compare(0, shown.size(), shown), 0);
}

// Every link of a page written deep enough leads to an anchor on it; one level less and the
// links into the last level have no target.
TEST(ReportPage, LinksFindTheirSectionsDownToTheDepth) {
    const std::regex link("HREF=\"#([A-Z0-9]+)\"");
    const std::regex anchor("NAME=\"?([A-Z0-9]+)");
    const auto unresolved = [&](const std::string& page) {
        std::set<std::string> names;
        for (std::sregex_iterator i(page.begin(), page.end(), anchor), end; i != end; ++i)
            names.insert((*i)[1]);
        int missing = 0;
        for (std::sregex_iterator i(page.begin(), page.end(), link), end; i != end; ++i)
            missing += names.count((*i)[1]) == 0;
        return missing;
    };
    EXPECT_EQ(unresolved(Report(kThreeDragons, 2)), 0);
    EXPECT_GT(unresolved(Report(kThreeDragons, 1)), 0);
    EXPECT_EQ(unresolved(Report("19m19p19s12z555666z turn=3 mode=kokushi", 3)), 0);
}

// With hand changes a discard that keeps the shanten spends the slack (letter A); one that
// lowers it keeps the slack (letter B); one that raises it further is no candidate.
TEST(ReportPage, HandChangeKeysCarryTheSlackLeft) {
    const std::string line = "123m456p79s35m11z27z turn=5 dora=3m slack=1";
    const KyokuState s = Position(line);
    const std::string page = Report(line, 1);
    const std::string table = page.substr(0, page.find("<BR><P>"));
    const int top = Shanten(s.hand);
    int candidates = 0;
    for (TileKind k = 0; k < kKinds; ++k) {
        if (s.hand[k] == 0) continue;
        TileCounts after = s.hand;
        --after[k];
        const int raise = Shanten(after) - top;
        std::string key(1, static_cast<char>('A' + 1 - raise));
        for (int c : after) key += static_cast<char>('0' + c);
        const bool candidate = raise <= 1;
        candidates += candidate;
        EXPECT_EQ(Count(table, "<A HREF=\"#" + key + "\">"), candidate ? 1 : 0) << FormatTile(k);
    }
    EXPECT_EQ(Count(table, "<A HREF=\"#"), candidates);
    EXPECT_GT(Count(table, "<A HREF=\"#A"), 0);
    EXPECT_GT(Count(table, "<A HREF=\"#B"), 0);
}

// A ready hand before the last two draws, valued on paper: it waits on East and on White,
// two of each left, and wins on either at once (ippatsu only on the draw right after riichi).
TEST(ReportPage, ReadyHandValuedOnPaper) {
    const std::string line = "123m456p789s11z55z7z turn=16 dora=1p";
    const KyokuState top = Position(line);
    struct Wait {
        TileKind kind;
        int tiles;
        double points, ippatsu;
        AgariResult shown;
    };
    std::vector<Wait> waits;
    for (const char* tile : {"1z", "5z"}) {
        KyokuState win = top;
        win.RemoveFromHand(ParseTile("7z"), false);
        win.reachTurn = 100;
        Wait w{ParseTile(tile), win.wall[ParseTile(tile)], 0, 0, {}};
        ASSERT_TRUE(win.DrawKind(w.kind));
        w.ippatsu = win.EvaluateWin(true, true);
        w.points = win.EvaluateWin(true, false);
        w.shown = win.result;
        waits.push_back(w);
    }
    ASSERT_EQ(waits[0].tiles, 2);
    ASSERT_EQ(waits[1].tiles, 2);

    // Draws 18 and 17, going backwards; the value at a draw adds the ippatsu of that draw only.
    double plain18 = 0, ippatsu18 = 0, plain17 = 0, ippatsu17 = 0, chance = 0;
    for (const Wait& w : waits) {
        plain18 += w.tiles / 105.0 * w.points;
        ippatsu18 += w.tiles / 105.0 * w.ippatsu;
        plain17 += w.tiles / 106.0 * w.points;
        ippatsu17 += w.tiles / 106.0 * w.ippatsu;
        chance += w.tiles;
    }
    const double ev18 = ippatsu18;
    const double ev17 = ippatsu17 + (1.0 - chance / 106.0) * plain18;
    const double win17 = chance / 106.0 + (1.0 - chance / 106.0) * chance / 105.0;

    const std::string page = Report(line, 2);
    // The candidate table reads draw 17, the draw after the top discard.
    EXPECT_NE(page.find("<B>" + Format("　%10.2f　", ev17) + "</B>"), std::string::npos);
    EXPECT_NE(page.find(Format("　%5.2f %%　", 100 * win17) + "</TD>\n<TD align=\"right\" nowrap>　"
                                                              "100.00 %　"),
              std::string::npos);
    // Rows 16 and 17 of the per-turn table: the values had the hand arisen a draw earlier.
    EXPECT_NE(page.find("16\n</TD><TD align=\"right\" nowrap>" + Format("　%10.2f　", ev17)),
              std::string::npos);
    EXPECT_NE(page.find("17\n</TD><TD align=\"right\" nowrap>" + Format("　%10.2f　", ev18)),
              std::string::npos);
    // The ready hand's section lists both wins at their points without ura-dora or ippatsu,
    // with the yaku of the reading chosen.
    for (const Wait& w : waits) {
        std::string yaku;
        for (YakuId id = 0; id < kYakuCount; ++id)
            if (w.shown.han.GetHan(id) != 0) yaku += std::string(YakuName(id)) + " ";
        EXPECT_FALSE(w.shown.han.GetHan(yaku::kIppatsu));
        const std::string dt = "<DT>ツモ：<IMG SRC=\"img/j" + std::to_string(w.kind - 26) +
                               ".gif\" ALT=\"2枚\">\n　　" + std::to_string(w.shown.points) +
                               "点　　" + yaku + "</DT>";
        EXPECT_NE(page.find(dt), std::string::npos) << dt;
    }
}

}  // namespace
}  // namespace mizaro
