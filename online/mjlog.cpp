#include "online/mjlog.h"

#include <charconv>
#include <cstring>
#include <optional>
#include <pugixml.hpp>
#include <utility>

#include "online/mjlog_meld.h"
#include "online/table_replay.h"

namespace mizaro {

namespace {

constexpr int kTileIds = 136;  // four copies of each kind: the kind is id / 4

std::optional<long> NumberOf(std::string_view s, long low, long high) {
    long value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

// Comma-separated numbers in low..high; nothing when any is not.
std::optional<std::vector<long>> NumbersOf(std::string_view s, long low, long high) {
    std::vector<long> values;
    while (true) {
        const std::size_t comma = s.find(',');
        const auto v = NumberOf(s.substr(0, comma), low, high);
        if (!v) return std::nullopt;
        values.push_back(*v);
        if (comma == std::string_view::npos) return values;
        s.remove_prefix(comma + 1);
    }
}

// Names are written with %XX escapes for every byte outside ASCII.
std::string UrlDecoded(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        long byte = 0;
        if (s[i] == '%' && i + 2 < s.size()) {
            const std::string_view hex = s.substr(i + 1, 2);
            if (std::from_chars(hex.data(), hex.data() + 2, byte, 16).ptr == hex.data() + 2) {
                out += static_cast<char>(byte);
                i += 2;
                continue;
            }
        }
        out += s[i];
    }
    return out;
}

class MjlogReader {
  public:
    OnlineRead Read(std::string_view text) {
        pugi::xml_document doc;
        if (!doc.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8))
            return {{}, "not XML"};
        const pugi::xml_node root = doc.document_element();
        if (std::strcmp(root.name(), "mjloggm") != 0) return {{}, "the root is not <mjloggm>"};
        for (pugi::xml_node e = root.first_child(); e; e = e.next_sibling()) {
            if (e.type() != pugi::node_element) continue;
            ++element_;
            if (std::string error = Element(e); !error.empty()) return Refuse(e, error);
        }
        if (std::string error = Close(); !error.empty()) return {{}, error};
        if (read_.game.hands.empty()) return {{}, "no hand"};
        return std::move(read_);
    }

  private:
    OnlineRead Refuse(const pugi::xml_node& e, const std::string& error) const {
        std::string where = "element " + std::to_string(element_) + " <" + e.name() + ">";
        if (hand_ || std::strcmp(e.name(), "INIT") == 0)
            where = "hand " + std::to_string(read_.game.hands.size() + 1) + ", " + where;
        return {{}, where + ": " + error};
    }

    std::string Element(const pugi::xml_node& e) {
        const std::string_view name = e.name();
        if (name == "UN") return Names(e);
        if (name == "INIT") return Init(e);
        if (name == "AGARI" || name == "RYUUKYOKU") {
            if (!hand_) return "a hand's end with no hand";
            ended_ = true;
            if (name == "AGARI")
                ReadWin(e);
            else
                current_.end = DrawOf(e.attribute("type").value());
            return {};
        }
        const bool move = name == "N" || name == "REACH" || name == "DORA" ||
                          (name.size() >= 2 && std::strchr("TUVWDEFG", name[0]) &&
                           NumberOf(name.substr(1), 0, 999));
        if (!move) return {};  // the rules, the shuffle, the scores: nothing the table needs
        if (!hand_ || ended_) return "a move outside a hand";
        if (name == "REACH") return Reach(e);
        TableAction a;
        a.source = element_;
        if (name == "N") {
            const auto who = NumberOf(e.attribute("who").value(), 0, kSeats - 1);
            const auto m = NumberOf(e.attribute("m").value(), 0, 0xffff);
            if (!who || !m) return "who or m is missing or out of range";
            if (std::string error =
                    DecodeMeld(static_cast<int>(*who), static_cast<unsigned>(*m), a);
                !error.empty())
                return error;
        } else if (name == "DORA") {
            const auto id = NumberOf(e.attribute("hai").value(), 0, kTileIds - 1);
            if (!id) return "hai is not a tile";
            a.type = ActionType::kDora;
            a.tile = static_cast<TileKind>(*id / 4);
        } else {
            const auto id = NumberOf(name.substr(1), 0, kTileIds - 1);
            if (!id) return "not a tile";
            const char* letters = "TUVWDEFG";
            const int index = static_cast<int>(std::strchr(letters, name[0]) - letters);
            a.type = index < kSeats ? ActionType::kDraw : ActionType::kDiscard;
            a.seat = index % kSeats;
            a.tile = static_cast<TileKind>(*id / 4);
            a.riichi = a.type == ActionType::kDiscard && riichiDeclared_[a.seat];
            if (a.riichi) riichiDeclared_[a.seat] = false;
        }
        if (std::string error = replay_.Apply(a); !error.empty()) return error;
        current_.actions.push_back(a);
        return {};
    }

    // A win whose seats or points are not read leaves the hand's end unknown; the table's
    // moves are what matter, so the game is still read.
    void ReadWin(const pugi::xml_node& e) {
        const auto who = NumberOf(e.attribute("who").value(), 0, kSeats - 1);
        const auto from = NumberOf(e.attribute("fromWho").value(), 0, kSeats - 1);
        // sc gives each seat's score and change in hundreds; ten the hand's value second.
        const auto sc = NumbersOf(e.attribute("sc").value(), -999999, 999999);
        const auto ten = NumbersOf(e.attribute("ten").value(), 0, 999999);
        if (!who || !from || current_.wins.size() >= kSeats) return;
        HandWin win{static_cast<int>(*who), static_cast<int>(*from), 0};
        if (sc && sc->size() == 2 * kSeats)
            win.points = static_cast<int>((*sc)[2 * *who + 1] * 100);
        else if (ten && ten->size() >= 2)
            win.points = static_cast<int>((*ten)[1]);
        else
            return;
        current_.end = HandEnd::kWin;
        current_.wins.push_back(win);
    }

    static HandEnd DrawOf(std::string_view type) {
        static const std::pair<std::string_view, HandEnd> kTypes[] = {
            {"", HandEnd::kExhaustiveDraw},    {"nm", HandEnd::kNagashiMangan},
            {"yao9", HandEnd::kNineTerminals}, {"kaze4", HandEnd::kFourWinds},
            {"reach4", HandEnd::kFourRiichi},  {"kan4", HandEnd::kFourKans},
            {"ron3", HandEnd::kTripleRon},
        };
        for (const auto& [text, end] : kTypes)
            if (type == text) return end;
        return HandEnd::kUnknown;
    }

    std::string Names(const pugi::xml_node& e) {
        for (int s = 0; s < kSeats; ++s) {
            static const char* const kAttributes[kSeats] = {"n0", "n1", "n2", "n3"};
            const pugi::xml_attribute n = e.attribute(kAttributes[s]);
            if (n && read_.game.names[s].empty()) read_.game.names[s] = UrlDecoded(n.value());
            if (read_.game.names[s].size() > kMaxNameBytes)
                return "a player's name is longer than " + std::to_string(kMaxNameBytes) + " bytes";
        }
        return {};
    }

    std::string Reach(const pugi::xml_node& e) {
        const auto who = NumberOf(e.attribute("who").value(), 0, kSeats - 1);
        const auto step = NumberOf(e.attribute("step").value(), 1, 2);
        if (!who || !step) return "who or step is missing or out of range";
        // Step 1 declares before the discard; step 2 pays the stick after it.
        if (*step == 1) riichiDeclared_[*who] = true;
        return {};
    }

    std::string Init(const pugi::xml_node& e) {
        if (std::string error = Close(); !error.empty()) return error;
        current_ = OnlineHand();
        const auto seed = NumbersOf(e.attribute("seed").value(), 0, 9999);
        const auto dealer = NumberOf(e.attribute("oya").value(), 0, kSeats - 1);
        if (!seed || seed->size() != 6 || (*seed)[0] > 15 || (*seed)[5] >= kTileIds || !dealer)
            return "seed or oya is not a round, counters, dice, an indicator and a seat";
        current_.round = static_cast<int>((*seed)[0]);
        current_.honba = static_cast<int>((*seed)[1]);
        current_.sticks = static_cast<int>((*seed)[2]);
        current_.firstIndicator = static_cast<TileKind>((*seed)[5] / 4);
        current_.dealer = static_cast<int>(*dealer);
        for (int s = 0; s < kSeats; ++s) {
            static const char* const kAttributes[kSeats] = {"hai0", "hai1", "hai2", "hai3"};
            const auto ids = NumbersOf(e.attribute(kAttributes[s]).value(), 0, kTileIds - 1);
            if (!ids || ids->size() != kDealtPerSeat)
                return std::string(kAttributes[s]) + " is not 13 tiles";
            for (int i = 0; i < kDealtPerSeat; ++i)
                current_.dealt[s][i] = static_cast<TileKind>((*ids)[i] / 4);
        }
        hand_ = true;
        ended_ = false;
        riichiDeclared_ = {};
        return replay_.Start(current_);
    }

    // The hand read so far joins the game.
    std::string Close() {
        if (!hand_) return {};
        if (read_.game.hands.size() >= kMaxHands) return "more hands than a game holds";
        read_.game.hands.push_back(std::move(current_));
        hand_ = false;
        return {};
    }

    OnlineRead read_;
    OnlineHand current_;
    TableReplay replay_;
    std::array<bool, kSeats> riichiDeclared_{};
    bool hand_ = false;
    bool ended_ = false;
    int element_ = 0;
};

}  // namespace

OnlineRead ReadMjlog(std::string_view text) {
    return MjlogReader().Read(text);
}

}  // namespace mizaro
