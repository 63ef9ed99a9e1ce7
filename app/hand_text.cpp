#include "app/hand_text.h"

#include <initializer_list>
#include <iterator>
#include <vector>

#include "app/hand_slots.h"
#include "app/language_text.h"
#include "core/hand_notation.h"

namespace mizaro {

namespace {

constexpr std::size_t kDealtTiles = 13;
constexpr const char* kSpace = " \t\r\n\v\f";
constexpr std::string_view kDoraKey = "dora=";
// The modes as the menu names them.
constexpr const char* kModeNames[] = {"ノーマルモード", "チンイツモード", "ホンイツモード",
                                      "国士モード"};
constexpr const char* kEnglishModeNames[] = {"normal mode", "chinitsu mode", "honitsu mode",
                                             "kokushi mode"};

struct Word {
    std::string_view text;
    std::size_t offset;  // into the whole text
};

std::vector<Word> Words(std::string_view text) {
    std::vector<Word> words;
    std::size_t pos = 0;
    while ((pos = text.find_first_not_of(kSpace, pos)) != std::string_view::npos) {
        std::size_t end = text.find_first_of(kSpace, pos);
        if (end == std::string_view::npos) end = text.size();
        words.push_back({text.substr(pos, end - pos), pos});
        pos = end;
    }
    return words;
}

bool IsDoraWord(std::string_view word) {
    return word.substr(0, kDoraKey.size()) == kDoraKey;
}

// The pattern with %1, %2 ... replaced by the arguments: a sentence stays one piece of text.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::size_t n =
            i + 1 < pattern.size() ? std::size_t(pattern[i + 1] - '1') : args.size();
        if (pattern[i] == '%' && n < args.size()) {
            out += args.begin()[n];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The number, counted from 1 as the reader counts characters, of the one at a byte offset.
std::string CharacterNumber(std::string_view text, std::size_t offset) {
    std::size_t n = 1;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i) n += !IsContinuationByte(text[i]);
    return std::to_string(n);
}

// The whole UTF-8 character that starts at a byte offset.
std::string_view CharacterAt(std::string_view text, std::size_t offset) {
    std::size_t end = offset + 1;
    while (end < text.size() && IsContinuationByte(text[end])) ++end;
    return text.substr(offset, end - offset);
}

// Why the tiles from `base` on were refused.
std::string FaultText(const ParsedTiles& parsed, std::string_view text, std::size_t base,
                      Language l) {
    const std::size_t at = base + parsed.position;
    const std::string number = CharacterNumber(text, at);
    switch (parsed.fault) {
        case NotationFault::kUnknownCharacter:
            return Fill(InLanguage(l, "%1文字目の「%2」は牌を表す文字ではありません。",
                                   "Character %1, \"%2\", is not a tile."),
                        {number, CharacterAt(text, at)});
        case NotationFault::kNoSuchHonour:
            return Fill(
                InLanguage(l, "%1文字目の「%2z」という字牌はありません（字牌は1z～7z）。",
                           "Character %1: there is no honour \"%2z\" (honours are 1z to 7z)."),
                {number, text.substr(at, 1)});
        case NotationFault::kSuitWithoutDigits:
            return Fill(InLanguage(l, "%1文字目の「%2」の前に数字がありません。",
                                   "Character %1, \"%2\", has no digits before it."),
                        {number, text.substr(at, 1)});
        case NotationFault::kDigitsAtEnd:
            return Fill(
                InLanguage(l, "%1文字目からの数字の後に m、p、s、z のどれかが必要です。",
                           "The digits from character %1 on need one of m, p, s, z after them."),
                {number});
        case NotationFault::kFifthCopy:
            return Fill(InLanguage(l, "「%1」が5枚以上あります（同じ牌は4枚まで）。",
                                   "There are more than four of \"%1\" (at most 4 of a tile)."),
                        {FormatTile(parsed.kind)});
        case NotationFault::kNone:
            break;
    }
    return {};
}

HandTextRead Refuse(std::string reason) {
    return {false, std::move(reason)};
}

}  // namespace

std::string FormatHandText(const KyokuState& state) {
    TileCounts hand = state.hand;
    std::string drawn;
    if (state.HandTileCount() == static_cast<int>(kDealtTiles) + 1 && IsValidKind(state.lastDraw) &&
        hand[state.lastDraw] > 0) {
        --hand[state.lastDraw];
        drawn = FormatTile(state.lastDraw);
    }
    std::string text = FormatHand(hand) + drawn;
    const TileKind indicator = DoraIndicatorKind(state);
    if (indicator != kNoTile) text += " dora=" + FormatTile(indicator);
    return text;
}

HandTextRead ParseHandText(std::string_view text, KyokuState& state, Language l) {
    const std::vector<Word> words = Words(text);
    if (words.empty())
        return Refuse(InLanguage(l, "牌が書かれていません。", "No tiles are written."));
    // The hand is everything before the first dora= word, so blanks may part its groups.
    std::size_t doraWord = 0;
    while (doraWord < words.size() && !IsDoraWord(words[doraWord].text)) ++doraWord;
    if (doraWord == 0)
        return Refuse(
            InLanguage(l, "手牌を dora= より前に書いてください。", "Write the hand before dora=."));
    if (doraWord + 1 < words.size()) {
        const Word& extra = words[doraWord + 1];
        if (IsDoraWord(extra.text))
            return Refuse(InLanguage(l, "dora= が2回あります。", "dora= is written twice."));
        return Refuse(
            Fill(InLanguage(
                     l, "%1文字目からの「%2」は読めません。手牌の後には dora= だけを書けます。",
                     "\"%2\" from character %1 on cannot be read. Only dora= may follow the hand."),
                 {CharacterNumber(text, extra.offset), extra.text}));
    }

    const std::size_t handEnd = doraWord < words.size() ? words[doraWord].offset : text.size();
    const ParsedTiles hand =
        ParseTiles(text.substr(words[0].offset, handEnd - words[0].offset), Notation::kWritten);
    if (!hand.ok()) return Refuse(FaultText(hand, text, words[0].offset, l));
    if (hand.tiles.size() != kDealtTiles && hand.tiles.size() != kDealtTiles + 1) {
        return Refuse(Fill(InLanguage(l, "手牌が%1枚です。13枚か14枚にしてください。",
                                      "The hand has %1 tiles. Write 13 or 14."),
                           {std::to_string(hand.tiles.size())}));
    }

    KyokuState next;
    next.mode = state.mode;
    next.Reset();
    for (TileKind k = 0; k < kKinds; ++k) {
        if (hand.counts[k] > next.wall[k]) {
            const bool named = static_cast<std::size_t>(next.mode) < std::size(kModeNames);
            return Refuse(Fill(
                InLanguage(l, "「%1」は%2の山にありません。", "\"%1\" is not in the wall of %2."),
                {FormatTile(k),
                 !named ? InLanguage(l, "このモード", "this mode")
                        : InLanguage(l, kModeNames[next.mode], kEnglishModeNames[next.mode])}));
        }
        next.wall[k] -= hand.counts[k];
    }
    next.hand = hand.counts;
    if (hand.tiles.size() == kDealtTiles + 1) next.lastDraw = hand.tiles.back();
    if (doraWord < words.size()) {
        const std::size_t start = words[doraWord].offset + kDoraKey.size();
        const std::string_view doraText = words[doraWord].text.substr(kDoraKey.size());
        if (doraText.empty())
            return Refuse(InLanguage(l, "dora= の後にドラ表示牌がありません。",
                                     "No dora indicator follows dora=."));
        const ParsedTiles dora = ParseTiles(doraText, Notation::kWritten);
        if (!dora.ok())
            return Refuse(std::string(InLanguage(l, "ドラ表示牌：", "Dora indicator: ")) +
                          FaultText(dora, text, start, l));
        if (dora.tiles.size() != 1)
            return Refuse(Fill(InLanguage(l, "ドラ表示牌は1枚だけ書いてください（「%1」）。",
                                          "Write a single dora indicator (\"%1\")."),
                               {doraText}));
        const TileKind indicator = dora.tiles[0];
        if (next.wall[indicator] < 1)
            return Refuse(Fill(InLanguage(l, "ドラ表示牌の「%1」は山に残っていません。",
                                          "The dora indicator \"%1\" is not left in the wall."),
                               {FormatTile(indicator)}));
        next.AddDoraIndicator(indicator);
    }
    state = next;
    return {true, {}};
}

}  // namespace mizaro
