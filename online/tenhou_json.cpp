#include "online/tenhou_json.h"

#include <nlohmann/json.hpp>
#include <utility>

#include "online/json_turn_order.h"
#include "online/table_replay.h"

namespace mizaro {

namespace {

using Json = nlohmann::json;

// A refusal on its way out, with where it was found.
struct Refusal {
    std::string where;
    std::string what;
};

// Tile codes: 11..19 characters, 21..29 circles, 31..39 bamboo, 41..47 the honours, 51..53 the
// red fives.
TileKind KindOfCode(long long code) {
    if (code >= 51 && code <= 53) return static_cast<TileKind>((code - 51) * 9 + 4);
    const long long suit = code / 10, number = code % 10;
    if (suit >= 1 && suit <= 3 && number >= 1)
        return static_cast<TileKind>((suit - 1) * 9 + number - 1);
    if (suit == 4 && number >= 1 && number <= 7) return static_cast<TileKind>(27 + number - 1);
    return kNoTile;
}

bool IntOf(const Json& j, long long& value) {
    if (!j.is_number_integer()) return false;
    value = j.get<long long>();
    return true;
}

TileKind TileOf(const Json& j) {
    long long code = 0;
    return IntOf(j, code) ? KindOfCode(code) : kNoTile;
}

// A meld written as two-digit tiles with one letter before the called (or added) tile.
struct MeldText {
    char letter = 0;
    int letterAt = -1;  // the index of the tile after the letter
    std::vector<TileKind> tiles;
};

bool ParseMeld(const std::string& s, MeldText& m) {
    std::size_t i = 0;
    while (i < s.size()) {
        if (s[i] >= 'a' && s[i] <= 'z') {
            if (m.letter) return false;
            m.letter = s[i];
            m.letterAt = static_cast<int>(m.tiles.size());
            ++i;
            continue;
        }
        if (i + 1 >= s.size() || s[i] < '0' || s[i] > '9' || s[i + 1] < '0' || s[i + 1] > '9')
            return false;
        const TileKind k = KindOfCode((s[i] - '0') * 10 + (s[i + 1] - '0'));
        if (k == kNoTile) return false;
        m.tiles.push_back(k);
        i += 2;
    }
    return m.letter && m.letterAt < static_cast<int>(m.tiles.size());
}

bool AllOf(const std::vector<TileKind>& tiles, TileKind kind) {
    for (TileKind k : tiles)
        if (k != kind) return false;
    return true;
}

std::string ParseTake(const Json& j, SeatTake& t) {
    if (!j.is_string()) {
        t.tile = TileOf(j);
        return t.tile == kNoTile ? "not a tile" : "";
    }
    MeldText m;
    if (!ParseMeld(j.get<std::string>(), m)) return "not a call";
    t.tile = m.tiles[m.letterAt];
    const std::size_t size = m.tiles.size();
    // The called tile's place tells whom it came from: first the previous seat, second the
    // seat across, last the next seat.
    t.fromOffset = m.letterAt == 0 ? 3 : m.letterAt == 1 ? 2 : 1;
    if (m.letter == 'c' && size == 3 && m.letterAt == 0) {
        t.kind = SeatTake::Kind::kChi;
        t.chiTiles = {m.tiles[1], m.tiles[2]};
    } else if (m.letter == 'p' && size == 3 && AllOf(m.tiles, t.tile)) {
        t.kind = SeatTake::Kind::kPon;
    } else if (m.letter == 'm' && size == 4 && m.letterAt != 2 && AllOf(m.tiles, t.tile)) {
        t.kind = SeatTake::Kind::kOpenKan;
    } else {
        return "not a call";
    }
    return {};
}

// 60 is the drawn tile (`drawn`, kNoTile after a call), "r.." declares riichi, "a.." and
// "k.." are kans and 0 holds the place after a called kan.
std::string ParseGive(const Json& j, TileKind drawn, SeatGive& g) {
    // The entry is read in place, never copied: a hostile entry may nest deeper than a copy's
    // recursion can go.
    long long code = 0;
    bool number = IntOf(j, code);
    if (j.is_string()) {
        const std::string s = j.get<std::string>();
        if (!s.empty() && s[0] == 'r' && s.size() == 3 && s[1] >= '0' && s[1] <= '9' &&
            s[2] >= '0' && s[2] <= '9') {
            g.riichi = true;
            code = (s[1] - '0') * 10 + (s[2] - '0');
            number = true;
        } else {
            MeldText m;
            if (!ParseMeld(s, m) || m.tiles.size() != 4 || (m.letter != 'a' && m.letter != 'k') ||
                !AllOf(m.tiles, m.tiles[0]))
                return "not a discard or kan";
            g.kind = m.letter == 'a' ? SeatGive::Kind::kClosedKan : SeatGive::Kind::kAddedKan;
            g.tile = m.tiles[0];
            return {};
        }
    }
    if (!number) return "not a tile";
    if (code == 0 && !g.riichi) {
        g.kind = SeatGive::Kind::kNothing;
        return {};
    }
    if (code == 60) {
        if (drawn == kNoTile) return "the drawn tile discarded when nothing was drawn";
        g.tile = drawn;
        return {};
    }
    g.tile = KindOfCode(code);
    return g.tile == kNoTile ? "not a tile" : "";
}

// One seat's draws and discards, each answering the entry before it.
std::optional<Refusal> ReadSeat(const Json& draws, const Json& discards, int seat, SeatLog& log) {
    const std::string who = "seat " + std::to_string(seat);
    if (!draws.is_array() || !discards.is_array()) return Refusal{who, "draws or discards missing"};
    if (draws.size() > kMaxSeatEntries || discards.size() > kMaxSeatEntries)
        return Refusal{who, "more than " + std::to_string(kMaxSeatEntries) + " entries"};
    if (discards.size() > draws.size() || discards.size() + 1 < draws.size())
        return Refusal{who, "the discards do not answer the draws"};
    for (std::size_t i = 0; i < draws.size(); ++i) {
        const std::string at = who + ", draw " + std::to_string(i + 1);
        SeatTake t;
        if (std::string e = ParseTake(draws[i], t); !e.empty()) return Refusal{at, e};
        // After a kan, or the place held after a called kan, the seat draws a replacement.
        if (i > 0 && log.gives[i - 1].kind != SeatGive::Kind::kDiscard &&
            t.kind != SeatTake::Kind::kWall)
            return Refusal{at, "a call where a kan's replacement draw belongs"};
        log.takes.push_back(t);
        if (i >= discards.size()) break;
        const std::string gat = who + ", discard " + std::to_string(i + 1);
        SeatGive g;
        const bool wall = t.kind == SeatTake::Kind::kWall;
        if (std::string e = ParseGive(discards[i], wall ? t.tile : kNoTile, g); !e.empty())
            return Refusal{gat, e};
        const bool called = t.kind == SeatTake::Kind::kOpenKan;
        if ((g.kind == SeatGive::Kind::kNothing) != called)
            return Refusal{gat,
                           called ? "a called kan must be answered by 0" : "0 after no called kan"};
        if (!wall && g.kind != SeatGive::Kind::kDiscard && !called)
            return Refusal{gat, "a kan straight after a call"};
        log.gives.push_back(g);
    }
    return std::nullopt;
}

std::string DescribeAction(const TableAction& a) {
    if (a.type == ActionType::kDora) return "dora indicator " + std::to_string(a.source + 1);
    const bool take = a.type == ActionType::kDraw || a.type == ActionType::kChi ||
                      a.type == ActionType::kPon || a.type == ActionType::kOpenKan;
    return "seat " + std::to_string(a.seat) + (take ? ", draw " : ", discard ") +
           std::to_string(a.source + 1);
}

// Turns over the listed indicators where the kans reveal them: a closed kan at once, a called
// or added kan once its seat has discarded (or before that seat's next kan). A discard won on
// ends the hand first, so its kan's indicator may be missing from the list.
std::optional<Refusal> PlaceIndicators(const std::vector<TileKind>& listed,
                                       std::vector<TableAction>& actions) {
    std::vector<TableAction> placed;
    std::size_t next = 1;
    int waiting = 0;
    auto reveal = [&](int count) {
        for (; count > 0; --count) {
            if (next >= listed.size()) return false;
            TableAction d;
            d.type = ActionType::kDora;
            d.tile = listed[next];
            d.source = static_cast<int>(next++);
            placed.push_back(d);
        }
        return true;
    };
    for (std::size_t i = 0; i < actions.size(); ++i) {
        const TableAction& a = actions[i];
        const bool kan = a.type == ActionType::kClosedKan || a.type == ActionType::kAddedKan ||
                         a.type == ActionType::kOpenKan;
        const bool last = i + 1 == actions.size();
        if (kan && !reveal(std::exchange(waiting, 0)))
            return Refusal{DescribeAction(a), "a kan with no indicator listed"};
        placed.push_back(a);
        if (a.type == ActionType::kDiscard && !reveal(std::exchange(waiting, 0)) && !last)
            return Refusal{DescribeAction(a), "a kan with no indicator listed"};
        if (a.type == ActionType::kClosedKan && !reveal(1))
            return Refusal{DescribeAction(a), "a kan with no indicator listed"};
        if (a.type == ActionType::kAddedKan || a.type == ActionType::kOpenKan) ++waiting;
    }
    if (next + static_cast<std::size_t>(waiting) < listed.size())
        return Refusal{"dora indicators", "more listed than the kans turned over"};
    actions = std::move(placed);
    return std::nullopt;
}

HandEnd DrawOf(const std::string& name) {
    static const std::pair<const char*, HandEnd> kNames[] = {
        {"流局", HandEnd::kExhaustiveDraw},     {"全員聴牌", HandEnd::kExhaustiveDraw},
        {"全員不聴", HandEnd::kExhaustiveDraw}, {"流し満貫", HandEnd::kNagashiMangan},
        {"九種九牌", HandEnd::kNineTerminals},  {"四風連打", HandEnd::kFourWinds},
        {"四家立直", HandEnd::kFourRiichi},     {"四槓散了", HandEnd::kFourKans},
        {"三家和了", HandEnd::kTripleRon},
    };
    for (const auto& [text, end] : kNames)
        if (name == text) return end;
    return HandEnd::kUnknown;
}

// "和了" is followed by the score changes and [winner, from, ...] of each win; a result not
// read leaves the end unknown, as the moves are what the table needs.
void ReadHandEnd(const Json& result, OnlineHand& hand) {
    if (!result.is_array() || result.empty() || !result[0].is_string()) return;
    const std::string name = result[0].get<std::string>();
    if (name != "和了") {
        hand.end = DrawOf(name);
        return;
    }
    std::vector<HandWin> wins;
    for (std::size_t i = 1; i + 1 < result.size() && wins.size() < kSeats; i += 2) {
        const Json& changes = result[i];
        const Json& who = result[i + 1];
        long long winner = 0, from = 0, gain = 0;
        if (!changes.is_array() || changes.size() != kSeats || !who.is_array() || who.size() < 2 ||
            !IntOf(who[0], winner) || !IntOf(who[1], from) || winner < 0 || winner >= kSeats ||
            from < 0 || from >= kSeats || !IntOf(changes[static_cast<std::size_t>(winner)], gain) ||
            gain < -999999 || gain > 999999)
            return;
        wins.push_back({static_cast<int>(winner), static_cast<int>(from), static_cast<int>(gain)});
    }
    if (wins.empty()) return;
    hand.end = HandEnd::kWin;
    hand.wins = std::move(wins);
}

std::optional<Refusal> ReadHand(const Json& k, OnlineHand& hand) {
    if (!k.is_array() || k.size() < 16) return Refusal{"", "not a hand"};
    const Json& head = k[0];
    long long round = 0, honba = 0, sticks = 0;
    if (!head.is_array() || head.size() != 3 || !IntOf(head[0], round) || !IntOf(head[1], honba) ||
        !IntOf(head[2], sticks) || round < 0 || round > 15 || honba < 0 || honba > 99 ||
        sticks < 0 || sticks > 99)
        return Refusal{"", "the round, counters and riichi sticks are not three small numbers"};
    hand.round = static_cast<int>(round);
    hand.honba = static_cast<int>(honba);
    hand.sticks = static_cast<int>(sticks);
    hand.dealer = hand.round % kSeats;
    std::vector<TileKind> indicators;
    if (!k[2].is_array() || k[2].empty() || k[2].size() > kMaxIndicators)
        return Refusal{"dora indicators", "not a list of one to five"};
    for (const Json& d : k[2]) {
        indicators.push_back(TileOf(d));
        if (indicators.back() == kNoTile) return Refusal{"dora indicators", "not a tile"};
    }
    hand.firstIndicator = indicators[0];
    std::array<SeatLog, kSeats> seats;
    for (int s = 0; s < kSeats; ++s) {
        const Json& dealt = k[4 + 3 * s];
        if (!dealt.is_array() || dealt.size() != kDealtPerSeat)
            return Refusal{"seat " + std::to_string(s), "the deal is not 13 tiles"};
        for (int i = 0; i < kDealtPerSeat; ++i) {
            hand.dealt[s][i] = TileOf(dealt[i]);
            if (hand.dealt[s][i] == kNoTile)
                return Refusal{"seat " + std::to_string(s), "a dealt tile is not a tile"};
        }
        if (auto r = ReadSeat(k[5 + 3 * s], k[6 + 3 * s], s, seats[s])) return r;
    }
    if (std::string e = OrderSeatLogs(seats, hand.dealer, hand.actions); !e.empty())
        return Refusal{"", e};
    if (auto r = PlaceIndicators(indicators, hand.actions)) return r;
    int failed = -1;
    if (std::string e = ReplayHand(hand, failed); !e.empty())
        return Refusal{failed < 0 ? "the deal" : DescribeAction(hand.actions[failed]), e};
    if (k.size() > 16) ReadHandEnd(k[16], hand);
    return std::nullopt;
}

}  // namespace

OnlineRead ReadTenhouJson(std::string_view text) {
    OnlineRead read;
    const Json root = Json::parse(text.begin(), text.end(), nullptr, false);
    if (root.is_discarded()) return {{}, "not JSON"};
    if (!root.is_object() || !root.contains("log") || !root["log"].is_array() ||
        root["log"].empty())
        return {{}, "no \"log\" list of hands"};
    if (root.contains("name")) {
        const Json& names = root["name"];
        if (!names.is_array() || names.size() != kSeats)
            return {{}, "\"name\" is not a list of four names"};
        for (int s = 0; s < kSeats; ++s) {
            if (!names[s].is_string()) return {{}, "\"name\" is not a list of four names"};
            read.game.names[s] = names[s].get<std::string>();
            if (read.game.names[s].size() > kMaxNameBytes)
                return {
                    {},
                    "a player's name is longer than " + std::to_string(kMaxNameBytes) + " bytes"};
        }
    }
    if (root["log"].size() > kMaxHands) return {{}, "more hands than a game holds"};
    for (const Json& k : root["log"]) {
        OnlineHand hand;
        const std::string index = "hand " + std::to_string(read.game.hands.size() + 1);
        if (auto r = ReadHand(k, hand))
            return {{}, index + (r->where.empty() ? "" : ", " + r->where) + ": " + r->what};
        read.game.hands.push_back(std::move(hand));
    }
    return read;
}

}  // namespace mizaro
