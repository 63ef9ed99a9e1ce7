// The positions of a hand-written three-hand game, read from its JSON and its XML form. Hand 1
// (East 1, seat 0 deals): seat 2 lets seat 0's first 3z go and pons the second after seat 3's
// pon skips it, seat 2 makes a closed kan that turns over 8p, seat 0 declares riichi on its
// fourth discard. Hand 2 (East 2, seat 1 deals): seat 0 holds a red 5p and chis on its third
// turn. Hand 3 (East 3, seat 2 deals): seat 3 pons seat 0's 4z, seat 1 calls a kan on seat 0's
// 9m, seat 3 adds its fourth 4z; each open kan turns its indicator over after its discard.
// The expected counts were worked out by hand from the logs.
#include <gtest/gtest.h>

#include <string>

#include "core/hand_notation.h"
#include "online/read_online_log.h"
#include "online/table_position.h"
#include "platform/read_file.h"

namespace mizaro {
namespace {

const std::string kData = std::string(MIZARO_TEST_SOURCE_DIR) + "/online/data/";

OnlineGame Read(const std::string& file) {
    const OnlineRead read = ReadOnlineLogFile(kData + file);
    EXPECT_TRUE(read.ok()) << read.error;
    return read.game;
}

std::string Tiles(const TablePosition& p) {
    TileCounts rest = p.tiles;
    --rest[p.drawn];
    return FormatHand(rest) + FormatTile(p.drawn);
}

std::string Unseen(const TablePosition& p) {
    std::string s;
    for (TileKind k = 0; k < kKinds; ++k) {
        if (k % 9 == 0 && k) s += '|';
        s += std::to_string(p.unseen[k]);
    }
    return s;
}

// "2<1:2000" for a win of seat 2 on seat 1's discard, wins joined by ' ', or the end's number.
std::string EndOf(const OnlineHand& h) {
    if (h.end != HandEnd::kWin) return "end " + std::to_string(static_cast<int>(h.end));
    std::string s;
    for (const HandWin& w : h.wins) {
        if (!s.empty()) s += ' ';
        s += std::to_string(w.winner) + "<" + std::to_string(w.from) + ":" +
             std::to_string(w.points);
    }
    return s;
}

std::string Dora(const TablePosition& p) {
    std::string s;
    for (TileKind k : p.doraIndicators) s += FormatTile(k);
    return s;
}

struct Expected {
    int hand, turn;
    TileKind seatWind;
    bool dealer;
    const char* tiles;   // the 13 kept, then the drawn tile
    const char* unseen;  // per suit, 1..9 (honours 1..7)
    int draws;
    const char* dora;
    const char* discard;
    bool riichi;
};

TEST(TablePositionTest, PositionsMatchTheCountsWorkedOutByHand) {
    const Expected seat0[] = {
        {1, 1, kEast, true, "123m456p789s1123z2p", "333444443|434333444|444444333|2334444", 17,
         "9m", "3z", false},
        {1, 2, kEast, true, "123m2456p789s112z3z", "333444443|434333444|344444333|2321444", 16,
         "9m", "3z", false},
        {1, 3, kEast, true, "123m2456p789s112z7p", "333444343|434333344|244444333|2301444", 16,
         "9m", "2z", false},
        {1, 4, kEast, true, "123m24567p789s11z9p", "333444343|434333333|244444332|2301024", 15,
         "9m8p", "2p", true},
        {2, 1, kNorth, false, "1123m567p113s123z2s", "233444444|444433344|233444344|2334433", 16,
         "1z", "3z", false},
        {2, 2, kNorth, false, "1123m567p1123s12z8p", "233444444|444423334|232444344|2324433", 15,
         "1z", "2z", false},
        {3, 1, kWest, false, "123456789m1123p4z", "233333333|233444444|443444444|3443444", 16, "3s",
         "4z", false},
        {3, 2, kWest, false, "123456789m1123p1s", "233333333|233444444|343444444|3441443", 16, "3s",
         "9m", false},
        {3, 3, kWest, false, "12345678m1123p1s2p", "233333330|223433444|333434444|3440433", 15,
         "3s5p6p", "1s", false},
    };
    const std::vector<TablePosition> positions = ListPositions(Read("game.json"), 0);
    ASSERT_EQ(positions.size(), std::size(seat0));  // the riichi and the chi end each hand
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const TablePosition& p = positions[i];
        const Expected& e = seat0[i];
        SCOPED_TRACE("hand " + std::to_string(e.hand) + " turn " + std::to_string(e.turn));
        EXPECT_EQ(p.hand, e.hand);
        EXPECT_EQ(p.turn, e.turn);
        EXPECT_EQ(p.seat, 0);
        EXPECT_EQ(p.roundWind, kEast);
        EXPECT_EQ(p.seatWind, e.seatWind);
        EXPECT_EQ(p.dealer, e.dealer);
        EXPECT_EQ(Tiles(p), e.tiles);
        EXPECT_EQ(Unseen(p), e.unseen);
        EXPECT_EQ(p.drawsLeft, e.draws);
        EXPECT_EQ(Dora(p), e.dora);
        EXPECT_EQ(FormatTile(p.discarded), e.discard);
        EXPECT_EQ(p.riichi, e.riichi);
    }
}

// Seat 2 pons before its first discard in hand 1, so only hand 2 counts; there it sits South
// of the dealer, and its first draw leaves 70 - 2 = 68 tiles.
TEST(TablePositionTest, ACallBeforeTheFirstDiscardLeavesNothingToRate) {
    const std::vector<TablePosition> positions = ListPositions(Read("game.json"), 2);
    ASSERT_FALSE(positions.empty());
    EXPECT_EQ(positions.front().hand, 2);
    EXPECT_EQ(positions.front().seatWind, kSouth);
    EXPECT_EQ(positions.front().drawsLeft, 17);
}

// The two readers share nothing but the replay, so the same game in both forms (and the XML
// compressed) giving the same positions for every seat checks each against the other.
TEST(TablePositionTest, BothFormsOfAGameGiveTheSamePositions) {
    const OnlineGame json = Read("game.json");
    for (const char* other : {"game.mjlog", "game.mjlog.gz"}) {
        const OnlineGame xml = Read(other);
        EXPECT_EQ(xml.names, json.names) << other;
        for (int seat = 0; seat < kSeats; ++seat) {
            const std::vector<TablePosition> a = ListPositions(json, seat);
            const std::vector<TablePosition> b = ListPositions(xml, seat);
            ASSERT_EQ(a.size(), b.size()) << other << " seat " << seat;
            for (std::size_t i = 0; i < a.size(); ++i) {
                EXPECT_EQ(Tiles(a[i]) + Unseen(a[i]) + Dora(a[i]),
                          Tiles(b[i]) + Unseen(b[i]) + Dora(b[i]));
                EXPECT_EQ(a[i].drawsLeft, b[i].drawsLeft);
                EXPECT_EQ(a[i].turn, b[i].turn);
                EXPECT_EQ(a[i].discarded, b[i].discarded);
                EXPECT_EQ(a[i].riichi, b[i].riichi);
            }
        }
    }
}

// Hand 3 cut short: seat 1's discard after its called kan is won on, before the kan's indicator
// would turn, so the log may list it or not.
TEST(TablePositionTest, ADiscardWonOnAfterAKanNeedsNoNewIndicator) {
    const std::string hand =
        R"({"log": [[[2,0,0], [25000,25000,25000,25000], DORA, [],
        [11,12,13,14,15,16,17,18,19,21,21,22,23], [44,31], [44,19],
        [19,19,19,31,32,33,34,35,36,37,38,41,42], ["m19191919",46], [0,60],
        [24,25,26,27,28,29,45,45,46,46,47,43,43], [41], [60],
        [24,25,26,27,28,29,44,44,47,43,39,39,39], [11,"4444p44"], [60,47], ["和了"]]]})";
    for (const char* dora : {"[33]", "[33,25]"}) {
        const std::string text =
            hand.substr(0, hand.find("DORA")) + dora + hand.substr(hand.find("DORA") + 4);
        const OnlineRead read = ReadOnlineLog(text);
        ASSERT_TRUE(read.ok()) << read.error;
        const std::vector<TablePosition> positions = ListPositions(read.game, 0);
        ASSERT_EQ(positions.size(), 2u);
        EXPECT_EQ(Dora(positions.back()), "3s");
    }
}

// Each log's last word on a hand, as the other form of the game would say it.
TEST(TablePositionTest, TheEndOfEachHandIsRead) {
    const std::string json = ReadWholeFile(kData + "game.json").value_or("");
    const std::string xml = ReadWholeFile(kData + "game.mjlog").value_or("");
    const std::string win1 = R"(["和了",[1000,0,-1000,0],[0,2,0,"30符1翻1000点"]])";
    const std::string agari1 = R"(who="0" fromWho="2" sc="250,10,250,0,250,-10,250,0"/>)";
    const struct {
        const std::string& text;
        std::string from, to;
        const char* ends;  // EndOf each hand, joined by '|'
    } cases[] = {
        {json, "", "", "0<2:1000|2<1:2000|end 2"},
        {json, win1, R"(["和了",[-500,-500,2000,-1000],[2,2,2,"2000点"]])", "2<2:2000|"},
        {json, win1, R"(["和了",[1000,0,-2000,1000],[0,2,0,""],[0,0,-1000,1000],[3,2,3,""]])",
         "0<2:1000 3<2:1000|"},
        {json, win1, R"(["九種九牌"])", "end 4|"},
        {json, win1, R"(["和了",[1000,0,0,0],[4,2]])", "end 0|"},
        {xml, "", "", "0<2:1000|2<1:2000|end 2"},
        {xml, agari1, R"(who="0" fromWho="0"/>)", "0<0:1000|"},
        {xml, agari1, agari1 + R"(<AGARI who="1" fromWho="2" sc="250,0,250,20,250,0,250,0"/>)",
         "0<2:1000 1<2:2000|"},
        {xml, agari1, R"(who="7" fromWho="2"/>)", "end 0|"},
        {xml, R"(<RYUUKYOKU ba)", R"(<RYUUKYOKU type="kaze4" ba)", "0<2:1000|2<1:2000|end 5"},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        if (!c.from.empty()) text.replace(text.find(c.from), c.from.size(), c.to);
        const OnlineRead read = ReadOnlineLog(text);
        ASSERT_TRUE(read.ok()) << read.error;
        std::string ends;
        for (const OnlineHand& h : read.game.hands) {
            if (!ends.empty()) ends += '|';
            ends += EndOf(h);
        }
        EXPECT_EQ(ends.substr(0, std::string(c.ends).size()), c.ends) << c.to;
    }
}

TEST(TablePositionTest, APlayerIsFoundBySeatOrName) {
    const OnlineGame game = Read("game.mjlog");  // names URL-encoded in the XML
    EXPECT_EQ(FindPlayerSeat(game, "あお"), 0);
    EXPECT_EQ(FindPlayerSeat(game, "C"), 2);
    EXPECT_EQ(FindPlayerSeat(game, "3"), 3);
    EXPECT_EQ(FindPlayerSeat(game, "4"), std::nullopt);
    EXPECT_EQ(FindPlayerSeat(game, ""), std::nullopt);
}

}  // namespace
}  // namespace mizaro
