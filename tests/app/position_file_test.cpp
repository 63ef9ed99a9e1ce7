#include "app/position_file.h"

#include <gtest/gtest.h>

#include "core/hand_notation.h"
#include "platform/read_file.h"
#include "temp_dir.h"

namespace mizaro {
namespace {

using testing::TempDir;

// A game in progress: 14 tiles in hand after the draw of turn 4, riichi declared, three
// discards and the dora indicator 9m (so the dora is 1m).
KyokuState InProgress() {
    KyokuState s;
    s.AddDoraIndicator(8);
    TileCounts hand = ParseTiles("123m456p789s1122z").counts;
    for (TileKind k = 0; k < kKinds; ++k)
        for (int i = 0; i < hand[k]; ++i) s.DrawKind(k);
    for (TileKind k : {kRed, kGreen, kWhite}) {
        s.DrawKind(k);
        s.Discard(k, true);
    }
    s.DrawKind(kEast);
    return s;
}

TEST(PositionFile, WritesFiveLinesAndRestoresThePosition) {
    TempDir dir;
    KyokuState s = InProgress();
    ASSERT_GT(s.reachTurn, 0);
    std::string path = dir.File("a.qtw");
    ASSERT_TRUE(WritePositionFile(path, s));
    std::string text = *ReadWholeFile(path);
    EXPECT_EQ(text,
              "4 27\n"
              "3334444434443334444444443331244333\n"
              "1110000000001110000000001113200000\n"
              "1000000000000000000000000000000000\n"
              "333231-1-1-1-1-1-1-1-1-1-1-1-1-1-1-1\n");

    KyokuState back;
    back.mode = kModeNormal;
    back.reachTurn = 3;
    back.uraIndicator = 5;
    PositionReadResult r = ReadPositionFile(path, back);
    ASSERT_TRUE(r.ok) << r.reason;
    EXPECT_EQ(back.turn, 4);
    EXPECT_EQ(back.lastDraw, kEast);
    EXPECT_EQ(back.wall, s.wall);
    EXPECT_EQ(back.hand, s.hand);
    EXPECT_EQ(back.dora, s.dora);
    EXPECT_EQ(back.discards, s.discards);
    EXPECT_EQ(back.reachTurn, 0) << "riichi is not kept";
    EXPECT_EQ(back.uraIndicator, kNoTile);
    EXPECT_EQ(back.shantenAfter, (std::array<int, kMaxTurns>{}));

    // The file as the Windows program writes it, with CR LF line ends.
    std::string crlf;
    for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    KyokuState fromWindows;
    ASSERT_TRUE(ParsePosition(crlf, fromWindows).ok);
    EXPECT_EQ(FormatPosition(fromWindows), text);
}

TEST(PositionFile, AcceptsAnyWhiteSpaceBetweenFields) {
    KyokuState s;
    PositionReadResult r = ParsePosition(
        "4\t27\r\n"
        "3 3 3 444443444333444444 4443331244333\r\n"
        "1110000000001110000000001113200000\r\n"
        "1000000000000000000000000000000000\r\n"
        "33 32 31 -1-1-1-1-1-1-1-1-1-1-1-1-1-1-1\r\n",
        s);
    ASSERT_TRUE(r.ok) << r.reason;
    EXPECT_EQ(s.discards[2], kWhite);
    EXPECT_EQ(s.wall[0], 3);
}

TEST(PositionFile, RefusesAnInconsistentFileAndLeavesTheGameAlone) {
    const std::string good = FormatPosition(InProgress());
    auto refused = [&](std::string text) {
        KyokuState s = InProgress();
        KyokuState before = s;
        PositionReadResult r = ParsePosition(text, s);
        EXPECT_EQ(s.hand, before.hand);
        EXPECT_EQ(s.turn, before.turn);
        EXPECT_EQ(s.discards, before.discards);
        if (!r.ok) {
            EXPECT_EQ(r.reason.rfind("局面ファイルが壊れています", 0), 0u) << r.reason;
        }
        return !r.ok;
    };
    auto replaced = [&](std::size_t pos, const std::string& with) {
        std::string t = good;
        t.replace(pos, with.size(), with);
        return t;
    };
    const std::size_t wallLine = good.find('\n') + 1;
    const std::size_t handLine = good.find('\n', wallLine) + 1;
    const std::size_t doraLine = good.find('\n', handLine) + 1;
    const std::size_t discardLine = good.find('\n', doraLine) + 1;
    EXPECT_FALSE(refused(good));
    EXPECT_TRUE(refused(""));
    EXPECT_TRUE(refused("0 27" + good.substr(4))) << "turn 0";
    EXPECT_TRUE(refused("20 27" + good.substr(4))) << "turn 20";
    EXPECT_TRUE(refused("4 34" + good.substr(4))) << "lastDraw 34";
    EXPECT_TRUE(refused(replaced(wallLine + 3, "5"))) << "a wall count of 5";
    EXPECT_TRUE(refused(replaced(wallLine + 5, "x")));
    EXPECT_TRUE(refused(replaced(doraLine + 20, "3"))) << "a dora count of 3";
    EXPECT_TRUE(refused(replaced(handLine + 20, "1"))) << "15 tiles in hand";
    EXPECT_TRUE(refused(replaced(handLine, "00"))) << "12 tiles in hand";
    EXPECT_TRUE(refused(replaced(wallLine, "4"))) << "five 1m with the one in hand";
    EXPECT_TRUE(refused(replaced(wallLine + 8, "4"))) << "five 9m with the indicator";
    EXPECT_TRUE(refused(replaced(wallLine + 33, "4"))) << "five Red with the discard";
    EXPECT_TRUE(refused(replaced(discardLine + 6, "34"))) << "a discard 34";
    EXPECT_TRUE(refused(replaced(discardLine + 6, "-2"))) << "a discard -2";
    EXPECT_TRUE(refused(good.substr(0, good.size() - 5))) << "cut short";
    EXPECT_TRUE(refused(good + "7\n")) << "more than five lines";
    // Consistent counts in an impossible game.
    EXPECT_TRUE(refused("4 30" + good.substr(4))) << "a drawn North that is not in the hand";
    EXPECT_TRUE(refused("19 27" + good.substr(4))) << "14 tiles with no turn left";
    EXPECT_TRUE(refused(replaced(discardLine + 6, "05").replace(wallLine + 5, 1, "3")))
        << "a discard in the slot of the turn to come";
    EXPECT_TRUE(refused(replaced(discardLine + 34, "05").replace(wallLine + 5, 1, "3")))
        << "a discard in the last slot";
    KyokuState s;
    EXPECT_TRUE(ParsePosition(replaced(discardLine + 4, "05").replace(wallLine + 5, 1, "3"), s).ok)
        << "the same tile in the slot of turn 3 is the game's";
    KyokuState untouched;
    PositionReadResult r = ReadPositionFile("/nonexistent/x.qtw", untouched);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.reason.empty());
}

}  // namespace
}  // namespace mizaro
