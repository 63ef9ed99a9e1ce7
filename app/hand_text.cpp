#include "app/hand_text.h"

#include <vector>

#include "analysis/position_line.h"
#include "app/hand_slots.h"
#include "core/hand_notation.h"

namespace mizaro {

namespace {

constexpr std::size_t kDealtTiles = 13;
constexpr const char* kSpace = " \t\r\n\v\f";

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t pos = 0;
    while ((pos = text.find_first_not_of(kSpace, pos)) != std::string_view::npos) {
        std::size_t end = text.find_first_of(kSpace, pos);
        if (end == std::string_view::npos) end = text.size();
        words.push_back(text.substr(pos, end - pos));
        pos = end;
    }
    return words;
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

HandTextRead ParseHandText(std::string_view text, KyokuState& state) {
    const std::vector<std::string_view> words = Words(text);
    if (words.empty()) return Refuse("no tiles");
    std::string_view doraText;
    for (std::size_t w = 1; w < words.size(); ++w) {
        const std::string_view word = words[w];
        if (word.substr(0, 5) != "dora=")
            return Refuse("expected dora=<tile> after the hand, got '" + std::string(word) + "'");
        if (!doraText.empty()) return Refuse("dora= given twice");
        doraText = word.substr(5);
        if (doraText.empty()) return Refuse("dora= has no tile");
    }

    const ParsedTiles hand = ParseTiles(words[0]);
    if (!hand.ok()) return Refuse("hand: " + hand.error);
    if (hand.tiles.size() != kDealtTiles && hand.tiles.size() != kDealtTiles + 1)
        return Refuse("the hand holds " + std::to_string(hand.tiles.size()) +
                      " tiles, not 13 or 14");

    KyokuState next;
    next.mode = state.mode;
    next.Reset();
    for (TileKind k = 0; k < kKinds; ++k) {
        if (hand.counts[k] > next.wall[k])
            return Refuse(FormatTile(k) + " is not in the " + ModeName(next.mode) + " wall");
        next.wall[k] -= hand.counts[k];
    }
    next.hand = hand.counts;
    if (hand.tiles.size() == kDealtTiles + 1) next.lastDraw = hand.tiles.back();
    if (!doraText.empty()) {
        std::string why;
        const TileKind indicator = ParseTile(doraText, &why);
        if (indicator == kNoTile) return Refuse("dora: " + why);
        if (next.wall[indicator] < 1)
            return Refuse("no " + FormatTile(indicator) + " left for the dora indicator");
        next.AddDoraIndicator(indicator);
    }
    state = next;
    return {true, {}};
}

}  // namespace mizaro
