#include "app/display_settings.h"

#include <gtest/gtest.h>

#include "app/hand_text.h"
#include "app/position_file.h"
#include "app/status_text.h"
#include "temp_dir.h"

namespace mizaro {
namespace {

using testing::TempDir;

TEST(DisplaySettingsTest, ReadsWhatItKnowsAndKeepsTheRest) {
    struct Case {
        const char* text;
        LanguageChoice language;
        bool numbers;
    };
    const Case cases[] = {
        {"", LanguageChoice::kSystem, false},
        {"Language\t2\r\nTileNumbers\t1\r\n", LanguageChoice::kEnglish, true},
        {"Foo 3 Language 1", LanguageChoice::kJapanese, false},
        // Out of range or not a number: the value in memory stays, the next key is still read.
        {"Language 3 TileNumbers 2", LanguageChoice::kSystem, false},
        {"Language x TileNumbers 1 Language -1", LanguageChoice::kSystem, true},
        {"TileNumbers", LanguageChoice::kSystem, false},
    };
    for (const Case& c : cases) {
        DisplaySettings s;
        ParseDisplaySettings(c.text, s);
        EXPECT_EQ(s.language, c.language) << c.text;
        EXPECT_EQ(s.tileNumbers, c.numbers) << c.text;
    }
}

TEST(DisplaySettingsTest, AChoiceSurvivesARestart) {
    TempDir dir;
    DisplaySettings s;
    s.path = dir.File(kDisplaySettingsFileName);
    LoadDisplaySettings(s);  // no file yet: the defaults
    EXPECT_EQ(s.language, LanguageChoice::kSystem);
    s.language = LanguageChoice::kEnglish;
    s.tileNumbers = true;
    ASSERT_TRUE(SaveDisplaySettings(s));
    DisplaySettings read;
    read.path = s.path;
    LoadDisplaySettings(read);
    EXPECT_EQ(read.language, LanguageChoice::kEnglish);
    EXPECT_TRUE(read.tileNumbers);
    EXPECT_EQ(read.path, s.path);
}

TEST(DisplaySettingsTest, SystemFollowsTheLocaleAndTheOthersDoNot) {
    for (Language system : {Language::kJapanese, Language::kEnglish}) {
        EXPECT_EQ(ChosenLanguage(LanguageChoice::kSystem, system), system);
        EXPECT_EQ(ChosenLanguage(LanguageChoice::kJapanese, system), Language::kJapanese);
        EXPECT_EQ(ChosenLanguage(LanguageChoice::kEnglish, system), Language::kEnglish);
    }
}

bool IsAscii(const std::string& text) {
    for (unsigned char c : text)
        if (c >= 0x80) return false;
    return !text.empty();
}

// Every refusal of the logic has its English: a branch left in Japanese fails here.
TEST(LanguageTextTest, EveryRefusalHasItsEnglish) {
    const char* hands[] = {"",
                           "dora=5p",
                           "123m dora=1p dora=2p",
                           "123m dora=1p 5s",
                           "123x",
                           "123m8z",
                           "m123",
                           "123",
                           "11111m",
                           "123m",
                           "123m456p789s11z dora=",
                           "123m456p789s11z dora=x",
                           "123m456p789s11z dora=12p"};
    for (const char* hand : hands) {
        KyokuState state;
        state.Reset();
        const HandTextRead ja = ParseHandText(hand, state);
        const HandTextRead en = ParseHandText(hand, state, Language::kEnglish);
        EXPECT_FALSE(ja.ok || en.ok) << hand;
        EXPECT_FALSE(IsAscii(ja.reason)) << hand;
        EXPECT_TRUE(IsAscii(en.reason)) << hand << ": " << en.reason;
    }
    KyokuState state;
    for (const char* text : {"", "0 0", "1 40", "1 0 0", "1 0 5"})
        EXPECT_TRUE(IsAscii(ParsePosition(text, state, Language::kEnglish).reason)) << text;
    const TempDir dir;
    EXPECT_TRUE(IsAscii(ReadPositionFile(dir.File("none.qtw"), state, Language::kEnglish).reason));
    EXPECT_EQ(StatusLine(10, 3, 24000, Language::kEnglish),
              "Game     10   Wins:    3 ( 30.00 % )   Mean: 2400.00 pts");
    EXPECT_EQ(ExhaustedText(2, Language::kEnglish), "Noten ( 2 shanten )");
}

}  // namespace
}  // namespace mizaro
