// Review.htm of the hand-written game in both languages: the same figures in the same order,
// no Japanese character in the English page, the hands' results, and names that cannot break
// the page or its code page.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "online/online_review_page.h"
#include "online/read_online_log.h"
#include "platform/text_encoding.h"

namespace mizaro {
namespace {

OnlineGame Game() {
    const OnlineRead read =
        ReadOnlineLogFile(std::string(MIZARO_TEST_SOURCE_DIR) + "/online/data/game.json");
    EXPECT_TRUE(read.ok()) << read.error;
    return read.game;
}

// The figures a reader sees, leaving out digits inside words ("1m", "utf-8").
std::vector<std::string> Numbers(const std::string& text) {
    static const std::regex word("[A-Za-z0-9.#_/+-]+");
    static const std::regex number("[0-9]+(\\.[0-9]+)?");
    std::vector<std::string> numbers;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), word);
         it != std::sregex_iterator(); ++it)
        if (std::regex_match(it->str(), number)) numbers.push_back(it->str());
    return numbers;
}

TEST(OnlineReviewPageTest, BothLanguagesShowTheSameFiguresAndResults) {
    OnlineGame game = Game();
    game.names = {"Ao", "B", "C", "D"};
    const OnlineReview review = ReviewOnlineGame(game, 0);
    const std::string ja = OnlineReviewPage(game, review, Language::kJapanese);
    const std::string en = OnlineReviewPage(game, review, Language::kEnglish);
    // Kana, kanji and full-width forms all start with a byte from E3 up in UTF-8.
    EXPECT_TRUE(std::none_of(en.begin(), en.end(),
                             [](char c) { return static_cast<unsigned char>(c) >= 0xE3; }));
    EXPECT_NE(en.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_TRUE(Utf8ToCp932(ja));
    EXPECT_EQ(Numbers(ja), Numbers(en));
    for (const char* text :
         {"東1局 0本場", "Ao が C から和了 1000 点", "C が B から和了 2000 点", "流局", "赤五"})
        EXPECT_NE(ja.find(text), std::string::npos) << text;
    for (const char* text : {"East 2, 0 honba", "Ao (reviewed)", "C wins on B's discard, 2000",
                             "Exhaustive draw", "red five counts as an ordinary five"})
        EXPECT_NE(en.find(text), std::string::npos) << text;
}

TEST(OnlineReviewPageTest, NamesAreEscapedAndKeptWithinTheCodePage) {
    OnlineGame game = Game();
    game.names = {"<i>&\"", "한", std::string("x\xff\x01y"), ""};
    const std::string ja = OnlineReviewPage(game, ReviewOnlineGame(game, 0), Language::kJapanese);
    EXPECT_TRUE(Utf8ToCp932(ja));
    for (const char* text : {"&#60;i&#62;&#38;&#34;", "&#54620;", "x&#65533;&#65533;y"})
        EXPECT_NE(ja.find(text), std::string::npos) << text;
    EXPECT_EQ(ja.find("<i>"), std::string::npos);
}

}  // namespace
}  // namespace mizaro
