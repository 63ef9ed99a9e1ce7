#include "app/settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <fstream>

#include "platform/atomic_file.h"
#include "platform/read_file.h"
#include "read_failure.h"
#include "temp_dir.h"

namespace mizaro {
namespace {

using testing::TempDir;

Settings Parsed(const std::string& text) {
    Settings s;
    ParseSettings(text, s);
    return s;
}

TEST(Settings, MissingFileGivesTheDefaults) {
    TempDir dir;
    Settings s;
    s.path = dir.File(kSettingsFileName);
    s.Assist = 3;
    SettingsReport r = LoadSettings(s);
    EXPECT_FALSE(r.opened);
    EXPECT_EQ(s.path, dir.File(kSettingsFileName));
    EXPECT_EQ(s.UserName, "default");
    EXPECT_EQ(s.X, 0);
    EXPECT_EQ(s.Y, 0);
    EXPECT_EQ(s.Shanten, 1);
    EXPECT_EQ(s.Result, 1);
    EXPECT_EQ(s.Assist, 0);
    EXPECT_EQ(s.NanikiruDepth, 1);
    EXPECT_EQ(s.SimShan, 2);
    EXPECT_EQ(s.FilterKyoku, 1000);
    EXPECT_EQ(s.FilterHai1, -1);
    EXPECT_EQ(s.FilterLast2, 6);
    EXPECT_EQ(s.FilterYaku, std::string(31, '0'));
}

TEST(Settings, SavesTwentyTwoLinesInOrderAndReadsThemBack) {
    TempDir dir;
    Settings s;
    s.path = dir.File(kSettingsFileName);
    s.X = -120;
    s.Y = 45;
    s.SimClear = 10000;
    s.UserName = "山田";
    s.Assist = -1;
    s.FilterYaku = "1" + std::string(30, '0');
    ASSERT_TRUE(SaveSettings(s));
    std::string text = *ReadWholeFile(s.path);
    EXPECT_EQ(text,
              "X\t-120\nY\t45\nShanten\t1\nResult\t1\nSimInt\t0\nSimDisp\t1\nSimShan\t2\n"
              "SimClear\t10000\nNanikiruDepth\t1\nUserName\t\x8e\x52\x93\x63\nAssist\t-1\n"
              "AnaSelectTab\t0\nFilterKyoku\t1000\nFilterHai1\t-1\nFilterHai2\t6\n"
              "FilterLast1\t-1\nFilterLast2\t6\nFilterReach1\t1\nFilterReach0\t1\n"
              "FilterMode\t0\nFilterYakuMode\t0\nFilterYaku\t1000000000000000000000000000000\n");
    Settings back;
    back.path = s.path;
    SettingsReport r = LoadSettings(back);
    EXPECT_TRUE(r.opened);
    EXPECT_EQ(r.keysRead, kSettingsKeyCount);
    EXPECT_EQ(FormatSettings(back), text);
    EXPECT_EQ(back.UserName, "山田");

    // The same file with the CR LF line ends of the Windows program reads the same.
    std::string crlf;
    for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    Settings fromWindows;
    r = ParseSettings(crlf, fromWindows);
    EXPECT_EQ(r.keysRead, kSettingsKeyCount);
    EXPECT_EQ(r.tokensSkipped + r.valuesRefused, 0);
    EXPECT_EQ(FormatSettings(fromWindows), text);
}

TEST(Settings, ForeignKeysAndBadValuesAreSkippedTokenByToken) {
    Settings s = Parsed("Assist\t-1\r\n");
    EXPECT_EQ(s.Assist, -1);
    EXPECT_EQ(s.SimShan, 2);

    SettingsReport r;
    s = Settings{};
    r = ParseSettings("Colour\tblue\nX 5\nWidth 800\nY\nShanten 0\nX 7\nSimShan many\n", s);
    EXPECT_EQ(s.X, 7) << "a repeated key takes its last value";
    EXPECT_EQ(s.Y, 0) << "a key without its value";
    EXPECT_EQ(s.Shanten, 0) << "the key after it is still read";
    EXPECT_EQ(s.SimShan, 2);
    EXPECT_EQ(r.tokensSkipped, 5) << "Colour blue Width 800 many";

    // A foreign key's value equal to a key name is read as that key.
    s = Parsed("Comment Result 0");
    EXPECT_EQ(s.Result, 0);
}

TEST(Settings, ValuesOutsideTheirRangeAreRefused) {
    Settings s = Parsed(
        "SimShan 7\nNanikiruDepth 0\nAssist 4\nAnaSelectTab 9\nFilterHai1 -2\nFilterMode 4\n"
        "SimInt -5\nFilterYaku 10\nX 99999\n");
    Settings d;
    EXPECT_EQ(s.SimShan, d.SimShan);
    EXPECT_EQ(s.NanikiruDepth, d.NanikiruDepth);
    EXPECT_EQ(s.Assist, d.Assist);
    EXPECT_EQ(s.AnaSelectTab, d.AnaSelectTab);
    EXPECT_EQ(s.FilterHai1, d.FilterHai1);
    EXPECT_EQ(s.FilterMode, d.FilterMode);
    EXPECT_EQ(s.SimInt, d.SimInt);
    EXPECT_EQ(s.FilterYaku, d.FilterYaku) << "not 31 characters of 0 and 1";
    EXPECT_EQ(s.X, 99999);
    // The analysis window takes any number of recent games; below 1 selects none.
    for (int kyoku : {-1, 0, INT_MIN}) {
        const std::string line = "FilterKyoku " + std::to_string(kyoku);
        EXPECT_EQ(Parsed(line).FilterKyoku, kyoku) << line;
    }
    EXPECT_EQ(Parsed("FilterYaku " + std::string(30, '0') + "2").FilterYaku, d.FilterYaku);
}

TEST(Settings, EachRangedKeyKeepsBothEndsOfItsRange) {
    // The ranges as the menus and pages that use the values know them: the five report depths,
    // the three search levels, assist off to 3, the five analysis pages, the four game modes.
    struct Range {
        const char* key;
        int Settings::*field;
        int low, high;
    };
    const Range ranges[] = {
        {"SimShan", &Settings::SimShan, 1, 3},
        {"NanikiruDepth", &Settings::NanikiruDepth, 1, 5},
        {"Assist", &Settings::Assist, -1, 3},
        {"AnaSelectTab", &Settings::AnaSelectTab, 0, 4},
        {"FilterHai1", &Settings::FilterHai1, -1, 6},
        {"FilterHai2", &Settings::FilterHai2, -1, 6},
        {"FilterLast1", &Settings::FilterLast1, -1, 6},
        {"FilterLast2", &Settings::FilterLast2, -1, 6},
        {"FilterMode", &Settings::FilterMode, 0, 3},
    };
    for (const Range& r : ranges) {
        const std::string key = std::string(r.key) + "\t";
        const int fallback = Settings{}.*r.field;
        EXPECT_EQ(Parsed(key + std::to_string(r.low)).*r.field, r.low) << r.key;
        EXPECT_EQ(Parsed(key + std::to_string(r.high)).*r.field, r.high) << r.key;
        EXPECT_EQ(Parsed(key + std::to_string(r.low - 1)).*r.field, fallback) << r.key;
        EXPECT_EQ(Parsed(key + std::to_string(r.high + 1)).*r.field, fallback) << r.key;
    }
}

TEST(Settings, AFileThatCannotBeReadIsNeverWrittenOver) {
    TempDir dir;
    Settings s;
    s.path = dir.File(kSettingsFileName);
    ASSERT_TRUE(WriteFileAtomically(s.path, "UserName\thanako\nAssist\t3\n"));
    {
        testing::FailReadsOf failing({s.path});
        LoadSettings(s);
    }
    EXPECT_TRUE(s.fileUnreadable);
    EXPECT_EQ(s.UserName, "default");
    s.ResetToDefaults();
    EXPECT_TRUE(SaveSettings(s));
    EXPECT_EQ(ReadWholeFile(s.path), "UserName\thanako\nAssist\t3\n");
    // Read again once it can be: the file is the player's again, and written.
    LoadSettings(s);
    EXPECT_FALSE(s.fileUnreadable);
    EXPECT_EQ(s.UserName, "hanako");
    s.Assist = 1;
    EXPECT_TRUE(SaveSettings(s));
    EXPECT_NE(ReadWholeFile(s.path)->find("Assist\t1\n"), std::string::npos);
}

TEST(Settings, AUserNameThatCannotBeAFileNameFallsBackToDefault) {
    EXPECT_EQ(Parsed("UserName ../../etc/passwd").UserName, "default");
    EXPECT_EQ(Parsed("UserName a\\b").UserName, "default");
    EXPECT_EQ(Parsed("UserName \x83").UserName, "default") << "broken code page 932";
    EXPECT_EQ(Parsed("UserName " + std::string(2000, 'a')).UserName, "default");
    EXPECT_EQ(Parsed("UserName bob").UserName, "bob");
    EXPECT_EQ(Parsed("UserName StatCom").UserName, "default") << "the computer's files";
    // A second byte 0x5C in code page 932 ("ソ") is part of a character, not a backslash.
    EXPECT_EQ(Parsed("UserName \x83\x5c\x83\x6a\x81\x5b\r\n").UserName, "ソニー");
    // A name set in memory that cannot be one is not written either.
    Settings s;
    s.UserName = "a/b";
    EXPECT_NE(FormatSettings(s).find("UserName\tdefault\n"), std::string::npos);
}

}  // namespace
}  // namespace mizaro
