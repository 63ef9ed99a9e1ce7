#include "app/position_file.h"

#include <optional>

#include "app/language_text.h"
#include "platform/atomic_file.h"
#include "platform/read_file.h"
#include "platform/token_reader.h"

namespace mizaro {

namespace {

constexpr const char* kBroken = "局面ファイルが壊れています";
constexpr const char* kCannotOpen = "局面ファイルを開けません";

constexpr int kMaxCopies = 4;
constexpr int kMaxDora = 2;
constexpr int kLastTurn = kMaxTurns + 1;
constexpr int kDiscardWidth = 2;
constexpr int kHandTiles = 13;  // a hand waiting for its draw; one more when it has drawn

// Reads the fields of a position the way the file was written: digits without separators,
// with any white space allowed between fields.
class FieldReader {
  public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    std::optional<int> Number() {
        SkipSpace();
        std::size_t begin = pos_;
        if (pos_ < text_.size() && text_[pos_] == '-') ++pos_;
        while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
        return ParseDecimalInt(text_.substr(begin, pos_ - begin));
    }
    std::optional<int> Digit() {
        SkipSpace();
        if (pos_ >= text_.size() || !IsDigit(text_[pos_])) return std::nullopt;
        return text_[pos_++] - '0';
    }
    // At most `width` characters: an optional minus sign, then digits.
    std::optional<int> Field(std::size_t width) {
        SkipSpace();
        std::size_t begin = pos_;
        if (pos_ < text_.size() && text_[pos_] == '-') ++pos_;
        while (pos_ < text_.size() && pos_ - begin < width && IsDigit(text_[pos_])) ++pos_;
        return ParseDecimalInt(text_.substr(begin, pos_ - begin));
    }
    bool AtEnd() {
        SkipSpace();
        return pos_ >= text_.size();
    }

  private:
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    void SkipSpace() {
        while (pos_ < text_.size() && IsTextSpace(text_[pos_])) ++pos_;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

PositionReadResult Refuse(Language l, const std::string& detail) {
    if (l == Language::kEnglish) return {false, "The position file is damaged (" + detail + ")"};
    return {false, std::string(kBroken) + "（" + detail + "）"};
}

}  // namespace

std::string FormatPosition(const KyokuState& s) {
    std::string out = std::to_string(s.turn) + " " + std::to_string(s.lastDraw) + "\n";
    for (const TileCounts* counts : {&s.wall, &s.hand, &s.dora}) {
        for (int c : *counts) out += std::to_string(c);
        out += '\n';
    }
    char field[16];
    for (int d : s.discards) {
        std::snprintf(field, sizeof field, "%02d", d);
        out += field;
    }
    out += '\n';
    return out;
}

bool WritePositionFile(const std::string& path, const KyokuState& state) {
    return WriteFileAtomically(path, FormatPosition(state));
}

PositionReadResult ParsePosition(std::string_view text, KyokuState& state, Language l) {
    FieldReader in(text);
    std::optional<int> turn = in.Number();
    std::optional<int> lastDraw = in.Number();
    if (!turn || !lastDraw)
        return Refuse(l, InLanguage(l, "1行目: 巡目とツモ牌が読めません",
                                    "line 1: the turn and the drawn tile cannot be read"));
    if (*turn < 1 || *turn > kLastTurn)
        return Refuse(l, InLanguage(l, "1行目: 巡目が1〜19ではありません",
                                    "line 1: the turn is not 1 to 19"));
    if (!IsValidKind(*lastDraw))
        return Refuse(l, InLanguage(l, "1行目: ツモ牌が0〜33ではありません",
                                    "line 1: the drawn tile is not 0 to 33"));

    TileCounts wall{}, hand{}, dora{};
    struct Row {
        TileCounts* counts;
        int max;
        const char* missing;
        const char* tooMany;
    };
    const Row rows[] = {
        {&wall, kMaxCopies,
         InLanguage(l, "2行目: 山の枚数が34種類分ありません",
                    "line 2: the wall counts are fewer than 34"),
         InLanguage(l, "2行目: 山の枚数が0〜4ではありません",
                    "line 2: a wall count is not 0 to 4")},
        {&hand, kMaxCopies,
         InLanguage(l, "3行目: 手牌の枚数が34種類分ありません",
                    "line 3: the hand counts are fewer than 34"),
         InLanguage(l, "3行目: 手牌の枚数が0〜4ではありません",
                    "line 3: a hand count is not 0 to 4")},
        {&dora, kMaxDora,
         InLanguage(l, "4行目: ドラの数が34種類分ありません",
                    "line 4: the dora counts are fewer than 34"),
         InLanguage(l, "4行目: ドラの数が0〜2ではありません",
                    "line 4: a dora count is not 0 to 2")},
    };
    for (const Row& row : rows) {
        for (int& c : *row.counts) {
            std::optional<int> d = in.Digit();
            if (!d) return Refuse(l, row.missing);
            if (*d > row.max) return Refuse(l, row.tooMany);
            c = *d;
        }
    }
    std::array<int, kMaxTurns> discards{};
    for (int& d : discards) {
        std::optional<int> v = in.Field(kDiscardWidth);
        if (!v)
            return Refuse(l, InLanguage(l, "5行目: 捨て牌が18巡分ありません",
                                        "line 5: the discards are fewer than 18 turns"));
        if (*v != kNoTile && !IsValidKind(*v))
            return Refuse(l, InLanguage(l, "5行目: 捨て牌が-1か0〜33ではありません",
                                        "line 5: a discard is neither -1 nor 0 to 33"));
        d = *v;
    }
    if (!in.AtEnd())
        return Refuse(l, InLanguage(l, "5行目のあとに余分なデータがあります",
                                    "there is more data after line 5"));

    int handTiles = 0;
    for (int c : hand) handTiles += c;
    if (handTiles != kHandTiles && handTiles != kHandTiles + 1)
        return Refuse(l, InLanguage(l, "手牌が13枚か14枚ではありません",
                                    "the hand does not hold 13 or 14 tiles"));
    // A player to move discards the drawn tile by key, and only while a turn is left.
    if (handTiles == kHandTiles + 1) {
        if (hand[*lastDraw] == 0)
            return Refuse(l, InLanguage(l, "1行目: ツモ牌が手牌にありません",
                                        "line 1: the drawn tile is not in the hand"));
        if (*turn == kLastTurn)
            return Refuse(
                l, InLanguage(l, "19巡目に手牌が14枚あります", "14 tiles in the hand at turn 19"));
    }
    // Turn t discards into slot t-1: a tile in a later slot would be outside the game.
    for (int slot = *turn - 1; slot < kMaxTurns; ++slot)
        if (discards[slot] != kNoTile)
            return Refuse(l, InLanguage(l, "5行目: まだ来ていない巡目に捨て牌があります",
                                        "line 5: a discard in a turn not yet played"));
    // Every tile is somewhere: the wall, the hand, the river or under a dora as its indicator.
    TileCounts used{};
    for (TileKind k = 0; k < kKinds; ++k) {
        used[k] += wall[k] + hand[k];
        used[PrevKind(k)] += dora[k];
    }
    for (int d : discards)
        if (d != kNoTile) ++used[d];
    for (TileKind k = 0; k < kKinds; ++k)
        if (used[k] > kMaxCopies)
            return Refuse(l,
                          InLanguage(l, "同じ牌が5枚以上あります", "more than four of one tile"));

    state.Reset();
    state.turn = *turn;
    state.lastDraw = *lastDraw;
    state.wall = wall;
    state.hand = hand;
    state.dora = dora;
    state.discards = discards;
    return {true, {}};
}

PositionReadResult ReadPositionFile(const std::string& path, KyokuState& state, Language l) {
    std::optional<std::string> text = ReadWholeFile(path);
    if (!text) return {false, InLanguage(l, kCannotOpen, "The position file cannot be opened")};
    return ParsePosition(*text, state, l);
}

}  // namespace mizaro
