#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/yaku_han.h"
#include "platform/read_file.h"
#include "platform/text_encoding.h"
#include "stats/stat_page.h"
#include "stats/stat_text.h"

namespace mizaro {
namespace {

// The expected bytes are files beside this test, code page 932 as the program writes them.
std::string Golden(const char* name) {
    const std::filesystem::path path =
        std::filesystem::path(MIZARO_TEST_SOURCE_DIR) / "stats" / "golden" / name;
    std::optional<std::string> bytes = ReadWholeFile(path.string());
    EXPECT_TRUE(bytes.has_value()) << path;
    return bytes.value_or("");
}

std::string Cp932(const std::string& utf8) {
    std::optional<std::string> bytes = Utf8ToCp932(utf8);
    EXPECT_TRUE(bytes.has_value());
    return bytes.value_or("");
}

// A user with a yaku the standard never scored (国士) and an average win of 7999.9 points.
StatSummary User() {
    StatSummary s;
    s.N = 40;
    s.nAgari = 12;
    s.AgariTen = 12 * 7999.9;
    s.AgariJun = 12 * 11;
    s.nNoten = 10;
    s.nReach = 20;
    s.ReachJun = 20 * 8;
    s.NoReach = 2;
    s.TenpaiJun = 30 * 9;
    s.yakuCount[yaku::kRiichi] = 10;
    s.yakuCount[yaku::kTsumo] = 12;
    s.yakuCount[yaku::kPinfu] = 5;
    s.yakuCount[yaku::kKokushi] = 1;
    for (int k = 0; k < kMaxTurns; ++k) s.Shanten[k] = (kMaxTurns - k) * 10;
    return s;
}

StatSummary Standard() {
    StatSummary s;
    s.N = 20;
    s.nAgari = 5;
    s.AgariTen = 5 * 6000.0;
    s.AgariJun = 5 * 12;
    s.nNoten = 6;
    s.nReach = 8;
    s.ReachJun = 8 * 9;
    s.NoReach = 1;
    s.TenpaiJun = 14 * 10;
    s.yakuCount[yaku::kRiichi] = 4;
    s.yakuCount[yaku::kTsumo] = 5;
    s.yakuCount[yaku::kPinfu] = 2;
    s.yakuCount[yaku::kTanyao] = 3;
    for (int k = 0; k < kMaxTurns; ++k) s.Shanten[k] = (kMaxTurns - k) * 6;
    return s;
}

TEST(ShadeColour, StepsOfFivePercentFromWhiteToB0) {
    // k / 20 lands exactly on the thresholds 0.05, 0.10, ..., which do not reach the next step.
    const char* red[] = {"FFFFFF", "FFFFFF", "FFF8F8", "FFF0F0", "FFE8E8", "FFE0E0",
                         "FFD8D8", "FFD0D0", "FFC8C8", "FFC0C0", "FFB8B8", "FFB0B0"};
    for (int k = 1; k < 12; ++k) {
        EXPECT_EQ(ShadeColour(20 + k, 20), std::string("\"#") + red[k] + "\"") << k;
        // The blue side mirrors it: red and green lowered becomes red and green lowered too.
        const std::string step = std::string(red[k]).substr(2, 2);
        EXPECT_EQ(ShadeColour(20 - k, 20), "\"#" + step + step + "FF\"") << -k;
    }
    EXPECT_EQ(ShadeColour(2.0, 2.0), "\"#FFFFFF\"");
    EXPECT_EQ(ShadeColour(3.0, 2.0), "\"#FFB8B8\"");  // d = 0.5 exactly
    EXPECT_EQ(ShadeColour(1.5, 2.5), "\"#C8C8FF\"");  // d = -0.4 exactly
    EXPECT_EQ(ShadeColour(2.1, 1.7), "\"#FFE0E0\"");  // d in (0.20, 0.25]
    EXPECT_EQ(ShadeColour(100.0, 1.0), "\"#FFB0B0\"");
    EXPECT_EQ(ShadeColour(0.0, 5.0), "\"#FFFFFF\"");
    EXPECT_EQ(ShadeColour(5.0, 0.0), "\"#FFFFFF\"");
}

TEST(StatPage, GoldenPages) {
    EXPECT_EQ(Cp932(StatPageHtml(User(), Standard())), Golden("stat_page.htm"));
    EXPECT_EQ(Cp932(StatPageHtml(StatSummary{}, StatSummary{})), Golden("stat_page_empty.htm"));
}

TEST(StatPage, YakuFollowTheStandardsCountsAndOnlyTheUsersYakuComesLast) {
    const std::array<YakuId, kYakuCount> order = YakuOrder(Standard());
    EXPECT_EQ(order[0], yaku::kTsumo);
    EXPECT_EQ(order[1], yaku::kRiichi);
    EXPECT_EQ(order[2], yaku::kTanyao);
    EXPECT_EQ(order[3], yaku::kPinfu);
    EXPECT_EQ(order[4], yaku::kDoubleRiichi) << "equal counts keep the id order";
    const std::string page = StatPageHtml(User(), Standard());
    EXPECT_LT(page.find("平和"), page.find("国士"));
    EXPECT_NE(page.find("<td>国士</td><td align=right bgcolor=\"#FFFFFF\"> 8.33 ％</td>"
                        "<td align=right> 0.00 ％</td>"),
              std::string::npos);
    EXPECT_EQ(page.find("一盃口"), std::string::npos) << "a yaku neither scored is left out";
}

TEST(StatText, GoldenReports) {
    for (int kind = 1; kind <= 4; ++kind) {
        const std::string name = "stat_text_" + std::to_string(kind) + ".txt";
        EXPECT_EQ(Cp932(StatText(User(), kind)), Golden(name.c_str())) << kind;
    }
    EXPECT_EQ(Cp932(StatText(StatSummary{}, kStatTextAll)), Golden("stat_text_empty.txt"));
    EXPECT_EQ(StatText(User(), 0), "");
    EXPECT_EQ(StatText(User(), 5), "");
}

TEST(StatText, AllIsTheThreePartsWithBlankLinesBetween) {
    const StatSummary u = User();
    EXPECT_EQ(StatText(u, kStatTextAll), StatText(u, kStatTextFigures) + "\r\n" +
                                             StatText(u, kStatTextYaku) + "\r\n" +
                                             StatText(u, kStatTextShanten));
    const std::string empty = StatText(StatSummary{}, kStatTextAll);
    EXPECT_NE(empty.find("\r\n\r\n\r\n 1 順目"), std::string::npos) << "no yaku: two blank lines";
    // Names line up on six full-width characters: 七対子 gets one space and three more.
    StatSummary pairs;
    pairs.nAgari = 1;
    pairs.yakuCount[yaku::kChiitoi] = 1;
    EXPECT_EQ(StatText(pairs, kStatTextYaku), "七対子　　　　100.00 ％\r\n");
}

}  // namespace
}  // namespace mizaro
