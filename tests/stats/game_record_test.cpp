#include "stats/game_record.h"

#include <gtest/gtest.h>

#include "core/hand_notation.h"

namespace mizaro {
namespace {

// A won game at turn 3 with riichi at turn 2, as the program records it.
GameRecord WonGame() {
    GameRecord r;
    TileCounts hand = ParseTiles("1112345678999m").counts;
    int n = 0;
    for (TileKind k = 0; k < kKinds; ++k)
        for (int c = 0; c < hand[k]; ++c) r.dealt[n++] = k;
    r.draws[0] = kRed;
    r.discards[0] = kRed;
    r.draws[1] = kWhite;
    r.discards[1] = kWhite;
    r.draws[2] = 4;
    r.doraIndicator = kEast;
    r.uraIndicator = 33;
    r.reachTurn = 2;
    r.mode = kModeChinitsu;
    return r;
}

TEST(GameRecord, EncodesEveryValueAsOneCharacter) {
    GameRecord r = WonGame();
    r.Encode();
    ASSERT_EQ(r.Text().size(), 53u);
    EXPECT_EQ(r.Text().substr(0, 13), "AAABCDEFGHIII");
    EXPECT_EQ(r.Text().substr(13, 3), "75E") << "kinds 26..33 are digits 0..7";
    EXPECT_EQ(r.Text().substr(16, 15), std::string(15, '-'));
    EXPECT_EQ(r.Text().substr(31, 3), "75-");
    EXPECT_EQ(r.Text().substr(49), "17CB") << "indicators, riichi turn and mode";
    // Encoding keeps a text that is already there.
    r.reachTurn = 5;
    r.Encode();
    EXPECT_EQ(r.Text()[51], 'C');
}

TEST(GameRecord, DecodeRestoresTheFieldsAndReadsStrangeCharactersAsNone) {
    GameRecord original = WonGame();
    original.Encode();
    GameRecord copy;
    ASSERT_TRUE(copy.SetText(original.Text()));
    copy.Decode();
    EXPECT_EQ(copy.dealt, original.dealt);
    EXPECT_EQ(copy.draws, original.draws);
    EXPECT_EQ(copy.discards, original.discards);
    EXPECT_EQ(copy.doraIndicator, original.doraIndicator);
    EXPECT_EQ(copy.uraIndicator, original.uraIndicator);
    EXPECT_EQ(copy.reachTurn, 2);
    EXPECT_EQ(copy.mode, kModeChinitsu);

    // Values outside the alphabet are written as '*' (or ':' for 36) and read back as none;
    // a short text leaves the positions past its end as none.
    GameRecord odd;
    odd.mode = 36;
    odd.reachTurn = 99;
    odd.Encode();
    EXPECT_EQ(odd.Text().substr(51), "*:");
    GameRecord shortText;
    ASSERT_TRUE(shortText.SetText("AB*\xff"));
    shortText.Decode();
    EXPECT_EQ(shortText.dealt[0], 0);
    EXPECT_EQ(shortText.dealt[1], 1);
    EXPECT_EQ(shortText.dealt[2], -1);
    EXPECT_EQ(shortText.dealt[3], -1);
    EXPECT_EQ(shortText.mode, -1);
    EXPECT_FALSE(shortText.SetText(std::string(54, 'A'))) << "longer than a record";
    EXPECT_EQ(shortText.Text(), "AB*\xff");
}

TEST(GameRecord, ResetKeepsTheModeAndFromDealListsTheHand) {
    KyokuState s;
    s.mode = kModeHonitsu;
    s.Reset();
    for (TileKind k : {0, 0, 3, 27, 27, 27, 31, 1, 2, 5, 6, 7, 8}) s.DrawKind(k);
    GameRecord r;
    r.FromDeal(s);
    EXPECT_EQ(r.dealt, (std::array<int, 13>{0, 0, 1, 2, 3, 5, 6, 7, 8, 27, 27, 27, 31}));
    EXPECT_EQ(r.mode, kModeHonitsu);
    r.Encode();
    r.Reset();
    EXPECT_EQ(r.mode, kModeHonitsu);
    EXPECT_TRUE(r.Text().empty());
    EXPECT_EQ(r.reachTurn, -1);
    EXPECT_EQ(r.dealt[0], -1);
}

TEST(GameRecord, ReplayableOnlyWhenEveryTileComesFromTheWall) {
    EXPECT_TRUE(WonGame().IsReplayable());
    GameRecord exhausted = WonGame();
    for (int t = 0; t < kMaxTurns; ++t) exhausted.draws[t] = exhausted.discards[t] = 9 + t;
    exhausted.reachTurn = 0;
    exhausted.uraIndicator = -1;
    EXPECT_TRUE(exhausted.IsReplayable());
    for (int t = 0; t < 5; ++t) exhausted.draws[t] = exhausted.discards[t] = 9;
    EXPECT_FALSE(exhausted.IsReplayable()) << "a kind drawn a fifth time";

    auto broken = [](auto change) {
        GameRecord r = WonGame();
        change(r);
        return r.IsReplayable();
    };
    EXPECT_FALSE(broken([](GameRecord& r) { r.dealt[5] = -1; }));
    EXPECT_FALSE(broken([](GameRecord& r) { r.doraIndicator = -1; }));
    EXPECT_FALSE(broken([](GameRecord& r) { r.doraIndicator = r.draws[2] = 0; })) << "a fifth 1m";
    EXPECT_FALSE(broken([](GameRecord& r) { r.discards[1] = 20; })) << "not in the hand";
    EXPECT_FALSE(broken([](GameRecord& r) { r.discards[0] = -1; })) << "no discard mid-game";
    EXPECT_FALSE(broken([](GameRecord& r) { r.draws[5] = 20; })) << "a draw after the end";
    EXPECT_FALSE(broken([](GameRecord& r) { r.reachTurn = -1; }));
    EXPECT_FALSE(broken([](GameRecord& r) { r.mode = 4; }));
    EXPECT_FALSE(broken([](GameRecord& r) { r.uraIndicator = 40; }));
    EXPECT_FALSE(broken([](GameRecord& r) { r.uraIndicator = r.doraIndicator = 0; }))
        << "the fourth 1m is the dora indicator";
    GameRecord empty;
    empty.Decode();
    EXPECT_FALSE(empty.IsReplayable());
}

}  // namespace
}  // namespace mizaro
