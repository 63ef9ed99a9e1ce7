#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#include "core/random.h"
#include "core/scoring/yaku_names.h"
#include "platform/read_file.h"
#include "platform/text_encoding.h"
#include "stats/counter_file.h"
#include "stats/game_log.h"
#include "stats/stat_file_name.h"
#include "stats/stat_summary.h"
#include "stats/stat_users.h"
#include "stats/user_name.h"
#include "temp_dir.h"

namespace mizaro {
namespace {

using testing::TempDir;

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// Plays one game as the program does, discarding greedily toward a lower shanten and asking
// for riichi whenever ready, and records it.
void PlayAndRecord(StatSummary& st) {
    KyokuState s;
    GameRecord rec;
    s.Deal();
    rec.FromDeal(s);
    rec.doraIndicator = s.DrawDoraIndicator();
    while (s.turn <= kMaxTurns) {
        rec.draws[s.turn - 1] = s.Draw();
        if (s.Shanten() == -1) break;
        TileKind best = kNoTile;
        int bestShanten = 99;
        for (TileKind k = 0; k < kKinds; ++k) {
            if (s.hand[k] == 0) continue;
            --s.hand[k];
            int v = s.Shanten();
            ++s.hand[k];
            if (v < bestShanten) bestShanten = v, best = k;
        }
        rec.discards[s.turn - 1] = best;
        s.Discard(best, true);
    }
    st.RecordGame(s, rec);
}

void ExpectSameCounters(const StatSummary& a, const StatSummary& b) {
    EXPECT_EQ(a.N, b.N);
    EXPECT_EQ(a.nAgari, b.nAgari);
    EXPECT_EQ(a.AgariJun, b.AgariJun);
    EXPECT_EQ(a.AgariTen, b.AgariTen);
    EXPECT_EQ(a.TenpaiJun, b.TenpaiJun);
    EXPECT_EQ(a.nNoten, b.nNoten);
    EXPECT_EQ(a.nReach, b.nReach);
    EXPECT_EQ(a.ReachJun, b.ReachJun);
    EXPECT_EQ(a.NoReach, b.NoReach);
    EXPECT_EQ(a.yakuCount, b.yakuCount);
    EXPECT_EQ(a.Shanten, b.Shanten);
}

TEST(StatFiles, RecordedGamesReadBackIdentically) {
    TempDir dir;
    SeedThreadRandom(20240607);
    StatSummary played;
    played.name = "テスト";
    for (int i = 0; i < 60; ++i) PlayAndRecord(played);
    ASSERT_GT(played.nAgari, 0) << "the sample should hold wins";
    ASSERT_GT(played.nReach, 0);
    ASSERT_TRUE(played.Save(dir.Dir()));

    StatSummary loaded;
    loaded.Load("テスト", dir.Dir());
    EXPECT_EQ(loaded.name, "テスト");
    ExpectSameCounters(played, loaded);
    ASSERT_EQ(loaded.records.size(), played.records.size());
    loaded.DecodeAll();
    for (std::size_t i = 0; i < played.records.size(); ++i) {
        const GameRecord& p = played.records[i];
        const GameRecord& l = loaded.records[i];
        EXPECT_EQ(l.Text(), p.Text());
        EXPECT_EQ(l.dealt, p.dealt);
        EXPECT_EQ(l.draws, p.draws);
        EXPECT_EQ(l.discards, p.discards);
        EXPECT_EQ(l.uraIndicator, p.uraIndicator);
        EXPECT_EQ(l.reachTurn, p.reachTurn);
        EXPECT_TRUE(l.IsReplayable()) << i;
    }

    // Saving what was loaded writes the same bytes again, decoded or not.
    std::string counters = *ReadWholeFile(dir.File("StatMan_テスト.txt"));
    std::string log = *ReadWholeFile(dir.File("StatMan_テスト.log"));
    ASSERT_TRUE(loaded.Save(dir.Dir()));
    EXPECT_EQ(*ReadWholeFile(dir.File("StatMan_テスト.txt")), counters);
    EXPECT_EQ(*ReadWholeFile(dir.File("StatMan_テスト.log")), log);
}

TEST(StatFiles, EmptySummaryWritesZerosAndALogOfZero) {
    TempDir dir;
    StatSummary st;
    st.Load("default", dir.Dir());
    ASSERT_TRUE(st.Save(dir.Dir()));
    EXPECT_EQ(*ReadWholeFile(dir.File("StatMan.txt")),
              "N\t0\nnAgari\t0\nAgariJun\t0\nAgariTen\t0.000000\nTenpaiJun\t0\nnNoten\t0\n"
              "nReach\t0\nReachJun\t0\nNoReach\t0\n"
              "Shanten 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\nYaku\t0\n");
    EXPECT_EQ(*ReadWholeFile(dir.File("StatMan.log")), "0\n");
}

TEST(StatFiles, YakuNamesAreWrittenInCodePage932AndMatchedByteForByte) {
    StatSummary st;
    st.yakuCount[yaku::kRiichi] = 3;
    st.yakuCount[yaku::kChuuren] = 1;
    std::string text = FormatCounterFile(st);
    EXPECT_NE(text.find("Yaku\t2\n\x83\x8a\x81\x5b\x83\x60\t3\n"), std::string::npos);
    EXPECT_EQ(text.find("リーチ"), std::string::npos) << "no UTF-8 on disk";
    // Every name survives the trip through the file.
    StatSummary all;
    for (YakuId y = 0; y < kYakuCount; ++y) all.yakuCount[y] = y + 1;
    StatSummary back;
    ParseCounterFile(FormatCounterFile(all), back);
    EXPECT_EQ(back.yakuCount, all.yakuCount);
    // The same name in UTF-8 is not the name the file format knows.
    StatSummary utf8;
    CounterFileReport r = ParseCounterFile("Yaku 1 リーチ 5", utf8);
    EXPECT_EQ(utf8.yakuCount[yaku::kRiichi], 0);
    EXPECT_EQ(r.unknownYaku, 1);
}

TEST(StatFiles, FilesAsTheWindowsProgramWritesThemLoadAndSaveBackUnchanged) {
    // CR LF line ends and yaku names in code page 932 (リーチ, ツモ, 清一色).
    const std::string counters =
        std::string(
            "N\t2\r\nnAgari\t1\r\nAgariJun\t3\r\nAgariTen\t36000.000000\r\n"
            "TenpaiJun\t20\r\nnNoten\t0\r\nnReach\t1\r\nReachJun\t2\r\n"
            "NoReach\t0\r\n"
            "Shanten 3 2 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\r\nYaku\t3\r\n") +
        "\x83\x8a\x81\x5b\x83\x60" + "\t1\r\n" + "\x83\x63\x83\x82" + "\t1\r\n" +
        "\x90\xb4\x88\xea\x90\x46" + "\t1\r\n";
    // A chinitsu game won at turn 3 after riichi at turn 2, then an exhausted game.
    const std::string won =
        "AAABCDEFGHIII"
        "75E---------------"
        "75----------------"
        "17CB";
    const std::string exhausted =
        "AIJRS01234567"
        "BCDEFGHKLMNOPQTUVW"
        "BCDEFGHKLMNOPQTUVW"
        "C-AA";
    const std::string log = "2\r\n" + won + "\r\n" + exhausted + "\r\n";
    TempDir dir;
    WriteFile(dir.File("StatMan_アキ.txt"), counters);
    WriteFile(dir.File("StatMan_アキ.log"), log);

    StatSummary st;
    st.Load("アキ", dir.Dir());
    EXPECT_EQ(st.N, 2);
    EXPECT_EQ(st.AgariTen, 36000.0);
    EXPECT_EQ(st.TenpaiJun, 20);
    EXPECT_EQ(st.ReachJun, 2);
    EXPECT_EQ(st.Shanten[0], 3);
    EXPECT_EQ(st.Shanten[17], 1);
    EXPECT_EQ(st.yakuCount[yaku::kRiichi], 1);
    EXPECT_EQ(st.yakuCount[yaku::kTsumo], 1);
    EXPECT_EQ(st.yakuCount[yaku::kChinitsu], 1);
    int counted = 0;
    for (int c : st.yakuCount) counted += c;
    EXPECT_EQ(counted, 3);
    ASSERT_EQ(st.records.size(), 2u);
    st.DecodeAll();
    const GameRecord& r = st.records[0];
    EXPECT_EQ(r.dealt[12], 8);
    EXPECT_EQ(r.draws[0], kRed);
    EXPECT_EQ(r.draws[2], 4);
    EXPECT_EQ(r.draws[3], kNoTile);
    EXPECT_EQ(r.discards[1], kWhite);
    EXPECT_EQ(r.discards[2], kNoTile);
    EXPECT_EQ(r.doraIndicator, kEast);
    EXPECT_EQ(r.uraIndicator, kRed);
    EXPECT_EQ(r.reachTurn, 2);
    EXPECT_EQ(r.mode, kModeChinitsu);
    EXPECT_TRUE(r.IsReplayable());
    EXPECT_EQ(st.records[1].uraIndicator, kNoTile);
    EXPECT_EQ(st.records[1].reachTurn, 0);
    EXPECT_TRUE(st.records[1].IsReplayable());

    // Written back in the same format, with this platform's line ends.
    auto withLf = [](std::string text) {
        for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 1);
        return text;
    };
    ASSERT_TRUE(st.Save(dir.Dir()));
    EXPECT_EQ(*ReadWholeFile(dir.File("StatMan_アキ.txt")), withLf(counters));
    EXPECT_EQ(*ReadWholeFile(dir.File("StatMan_アキ.log")), withLf(log));
}

TEST(StatFiles, PointsAreWrittenWithADecimalPointWhateverTheProcessLocale) {
    // A desktop toolkit sets the C library's locale from the environment; where the decimal
    // separator is a comma, "%f" would write a number the reader cannot take back.
    const char* commaLocales[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8",
                                  "fr_FR.utf8",  "de_DE",      "fr_FR"};
    std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    auto findCommaLocale = [&]() -> const char* {
        for (const char* name : commaLocales)
            if (std::setlocale(LC_NUMERIC, name) && std::localeconv()->decimal_point[0] == ',')
                return name;
        return nullptr;
    };
    const char* found = findCommaLocale();
    // A machine without one installed can still build one from the locale sources.
    TempDir locales;
    if (!found &&
        std::system(
            ("localedef -i de_DE -f UTF-8 " + locales.File("de_DE.UTF-8") + " >/dev/null 2>&1")
                .c_str()) == 0 &&
        setenv("LOCPATH", locales.Dir().c_str(), 1) == 0) {
        found = findCommaLocale();
        unsetenv("LOCPATH");
    }
    if (!found) {
        std::setlocale(LC_NUMERIC, previous.c_str());
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    StatSummary st;
    st.AgariTen = 12300.5;
    std::string text = FormatCounterFile(st);
    std::setlocale(LC_NUMERIC, previous.c_str());
    EXPECT_NE(text.find("\nAgariTen\t12300.500000\n"), std::string::npos) << found;
    StatSummary back;
    ParseCounterFile(text, back);
    EXPECT_EQ(back.AgariTen, 12300.5);
}

TEST(StatFiles, ReadsAFileFromTheWindowsProgramWithForeignTokens) {
    // CR LF line ends, an unknown key, a stray number, a repeated key, an unknown yaku name and a
    // "Yaku" count larger than its lines.
    std::string riichi = *Utf8ToCp932("リーチ");
    std::string pinfu = *Utf8ToCp932("平和");
    std::string text =
        "N\t10\r\nnAgari\t3\r\nColour\tblue\r\nAgariJun\t27\r\n42\r\n"
        "AgariTen\t12300.000000\r\nTenpaiJun\t40\r\nnNoten\t4\r\nnReach\t2\r\n"
        "ReachJun\t15\r\nNoReach\t1\r\nN\t11\r\n"
        "Shanten 5 4 3 2 1 0 0 0 0 0 0 0 0 0 0 0 0 9\r\nYaku\t4\r\n" +
        riichi + "\t2\r\n\x82\xa0\x82\xa2\t7\r\n" + pinfu + "\t1\r\n";
    StatSummary st;
    CounterFileReport r = ParseCounterFile(text, st);
    EXPECT_EQ(st.N, 11) << "a later key overwrites";
    EXPECT_EQ(st.nAgari, 3);
    EXPECT_EQ(st.AgariJun, 27);
    EXPECT_EQ(st.AgariTen, 12300.0);
    EXPECT_EQ(st.ReachJun, 15);
    EXPECT_EQ(st.Shanten[0], 5);
    EXPECT_EQ(st.Shanten[17], 9);
    EXPECT_EQ(st.yakuCount[yaku::kRiichi], 2);
    EXPECT_EQ(st.yakuCount[yaku::kPinfu], 1);
    EXPECT_EQ(r.unknownYaku, 1);
    EXPECT_EQ(r.tokensSkipped, 3) << "Colour, blue and 42";
    // The unknown name is not written back.
    StatSummary again;
    ParseCounterFile(FormatCounterFile(st), again);
    ExpectSameCounters(st, again);
    EXPECT_EQ(FormatCounterFile(st).find("\x82\xa0\x82\xa2"), std::string::npos);
}

TEST(StatFiles, AKeyWithoutItsValueDoesNotSwallowTheNextKey) {
    StatSummary st;
    ParseCounterFile("N\nnAgari 5\nAgariTen x\nnNoten 2", st);
    EXPECT_EQ(st.N, 0);
    EXPECT_EQ(st.nAgari, 5);
    EXPECT_EQ(st.nNoten, 2);
}

TEST(StatFiles, GameLogCountsAndOverlongTokens) {
    std::vector<GameRecord> records;
    std::string rec(kRecordTextLength, 'A');
    GameLogReport r = ParseGameLog("5\r\n" + rec + "\r\n" + rec + "B\r\nAB\r\n", records);
    EXPECT_EQ(r.declared, 5);
    EXPECT_EQ(r.tooLong, 1);
    ASSERT_EQ(records.size(), 2u) << "a count larger than the lines ends at the end";
    EXPECT_EQ(records[1].Text(), "AB");
    ParseGameLog("1\n" + rec + "\nAB\n", records);
    EXPECT_EQ(records.size(), 1u) << "a smaller count leaves the rest";
    r = ParseGameLog("2147483647\nAB", records);
    EXPECT_EQ(records.size(), 1u);
    r = ParseGameLog("many\nAB", records);
    EXPECT_TRUE(r.countMissing);
    EXPECT_TRUE(records.empty());
    ParseGameLog("-3\nAB", records);
    EXPECT_TRUE(records.empty());
}

TEST(StatFiles, MissingFilesGiveEmptySummaries) {
    TempDir dir;
    StatSummary st;
    st.N = 4;
    st.Load("nobody", dir.Dir());
    EXPECT_EQ(st.N, 0);
    EXPECT_EQ(st.name, "nobody");
    // A counter file without its log: counters stand, no records.
    WriteFile(dir.File("StatCom.txt"), "N 3\n");
    st.Load("StatCom", dir.Dir());
    EXPECT_EQ(st.N, 3);
    EXPECT_TRUE(st.records.empty());
    // A log without its counter file is not read.
    WriteFile(dir.File("StatMan_solo.log"), "1\nAAAA\n");
    st.Load("solo", dir.Dir());
    EXPECT_TRUE(st.records.empty());
}

TEST(StatFiles, FileNamesAndUserNamesThatCannotBeFileNames) {
    EXPECT_EQ(StatFileName("StatCom", false), "StatCom.txt");
    EXPECT_EQ(StatFileName("default", true), "StatMan.log");
    EXPECT_EQ(StatFileName("Default", false), "StatMan_Default.txt");
    EXPECT_EQ(StatFileName("山田", true), "StatMan_山田.log");
    for (const char* bad : {"", "../x", "a/b", "a\\b", "a b", "tab\t", "nl\n", "\x7f", "a　b",
                            "\xff\xfe", "\xf0\x9f\x80\x84"}) {
        EXPECT_FALSE(IsValidUserName(bad)) << bad;
        EXPECT_EQ(StatFileName(bad, false), "") << bad;
    }
    EXPECT_FALSE(IsValidUserName(std::string(244, 'a')));
    EXPECT_TRUE(IsValidUserName(std::string(243, 'a')));

    TempDir dir;
    StatSummary st;
    st.Load("../escape", dir.Dir());
    st.N = 1;
    EXPECT_FALSE(st.Save(dir.Dir()));
    EXPECT_FALSE(std::filesystem::exists(dir.Dir() + "../escape.txt"));
    EXPECT_FALSE(std::filesystem::exists(dir.Dir() + "../StatMan_escape.txt"));
}

TEST(StatUsers, ListsAndDeletesUsers) {
    TempDir dir;
    for (const char* name : {"default", "StatCom", "zoe", "アキ", "bob"}) {
        StatSummary st;
        st.Load(name, dir.Dir());
        ASSERT_TRUE(st.Save(dir.Dir()));
    }
    WriteFile(dir.File("StatMan_.txt"), "");
    // Files under the two names that open other files, as a user could make them by hand.
    WriteFile(dir.File("StatMan_StatCom.txt"), "");
    WriteFile(dir.File("StatMan_default.txt"), "");
    WriteFile(dir.File("StatMan_x.log"), "");
    std::filesystem::create_directory(dir.File("StatMan_dir.txt"));
    EXPECT_EQ(ListStatUsers(dir.Dir()), (std::vector<std::string>{"bob", "zoe", "アキ"}));

    EXPECT_TRUE(DeleteUserFiles("zoe", dir.Dir()));
    EXPECT_FALSE(std::filesystem::exists(dir.File("StatMan_zoe.txt")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("StatMan_zoe.log")));
    EXPECT_TRUE(DeleteUserFiles("zoe", dir.Dir())) << "files already gone are no error";
    EXPECT_FALSE(DeleteUserFiles("default", dir.Dir()));
    EXPECT_FALSE(DeleteUserFiles("StatCom", dir.Dir()));
    EXPECT_TRUE(std::filesystem::exists(dir.File("StatCom.txt"))) << "the computer's statistics";
    EXPECT_TRUE(std::filesystem::exists(dir.File("StatMan.txt")));
    EXPECT_FALSE(DeleteUserFiles("../StatMan", dir.Dir()));
    EXPECT_EQ(ListStatUsers(dir.Dir()), (std::vector<std::string>{"bob", "アキ"}));
    EXPECT_TRUE(ListStatUsers(dir.File("missing")).empty());
}

TEST(StatFiles, SnapshotIsACounterFileNamedByTheTime) {
    TempDir dir;
    StatSummary st;
    st.name = "StatCom";
    st.N = 9;
    ASSERT_TRUE(st.SaveSnapshot(dir.Dir()));
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir.Dir()))
        names.push_back(e.path().filename().string());
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0].size(), std::string("StatCom20240101000000.txt").size());
    EXPECT_TRUE(names[0].starts_with("StatCom2"));
    StatSummary back;
    ParseCounterFile(*ReadWholeFile(dir.File(names[0])), back);
    EXPECT_EQ(back.N, 9);
}

TEST(StatFiles, ASnapshotWithinTheSameSecondDoesNotReplaceTheLastOne) {
    TempDir dir;
    StatSummary st;
    st.name = "StatCom";
    const std::time_t second = 1'700'000'000;
    st.N = 1;
    ASSERT_TRUE(st.SaveSnapshot(dir.Dir(), second));
    st.N = 2;
    EXPECT_TRUE(st.SaveSnapshot(dir.Dir(), second)) << "a name of its own";
    st.N = 3;
    EXPECT_TRUE(st.SaveSnapshot(dir.Dir(), second + 1));
    std::map<int, std::string> onDisk;  // by the count each file holds
    for (const auto& e : std::filesystem::directory_iterator(dir.Dir())) {
        StatSummary back;
        ParseCounterFile(*ReadWholeFile(e.path().string()), back);
        onDisk[back.N] = e.path().filename().string();
    }
    ASSERT_EQ(onDisk.size(), 3u);
    EXPECT_EQ(onDisk[2], onDisk[1].substr(0, onDisk[1].size() - 4) + "_2.txt");
    EXPECT_EQ(onDisk[3].size(), onDisk[1].size()) << "the next second starts again plain";
}

TEST(StatFiles, TheLongestAcceptedUserNameIsSaved) {
    TempDir dir;
    for (std::size_t length : {235u, 243u}) {
        StatSummary st;
        st.name = std::string(length, 'u');
        ASSERT_TRUE(IsValidUserName(st.name));
        st.N = 4;
        EXPECT_TRUE(st.Save(dir.Dir())) << length;
        StatSummary back;
        back.Load(st.name, dir.Dir());
        EXPECT_EQ(back.N, 4) << length;
    }
}

}  // namespace
}  // namespace mizaro
