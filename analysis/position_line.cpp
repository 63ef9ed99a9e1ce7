#include "analysis/position_line.h"

#include <charconv>
#include <vector>

#include "core/hand_notation.h"

namespace mizaro {

namespace {

constexpr int kPositionTiles = 14;
constexpr int kMaxSlack = 1;
constexpr const char* kModeNames[] = {"normal", "chinitsu", "honitsu", "kokushi"};

bool ParseInt(std::string_view text, int& out) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc{} && ptr == end;
}

struct Options {
    std::string_view hand, turn, dora, discards, slack, mode;
};

// Splits the line into the hand and its key=value options; returns an error or "".
std::string SplitOptions(std::string_view line, Options& options) {
    std::vector<std::string_view> words;
    std::size_t pos = 0;
    while (pos < line.size()) {
        std::size_t start = line.find_first_not_of(" \t\r\n", pos);
        if (start == std::string_view::npos) break;
        std::size_t end = line.find_first_of(" \t\r\n", start);
        if (end == std::string_view::npos) end = line.size();
        words.push_back(line.substr(start, end - start));
        pos = end;
    }
    if (words.empty()) return "empty line";
    options.hand = words[0];
    for (std::size_t w = 1; w < words.size(); ++w) {
        std::string_view word = words[w];
        std::size_t eq = word.find('=');
        if (eq == std::string_view::npos)
            return "expected key=value, got '" + std::string(word) + "'";
        std::string_view key = word.substr(0, eq);
        std::string_view* slot = key == "turn"       ? &options.turn
                                 : key == "dora"     ? &options.dora
                                 : key == "discards" ? &options.discards
                                 : key == "slack"    ? &options.slack
                                 : key == "mode"     ? &options.mode
                                                     : nullptr;
        if (!slot) return "unknown option '" + std::string(key) + "'";
        if (!slot->empty()) return "option '" + std::string(key) + "' given twice";
        *slot = word.substr(eq + 1);
        if (slot->empty()) return "option '" + std::string(key) + "' has no value";
    }
    return "";
}

}  // namespace

const char* ModeName(int mode) {
    return mode >= kModeNormal && mode <= kModeKokushi ? kModeNames[mode] : "?";
}

PositionRequest ParsePositionLine(std::string_view line) {
    PositionRequest out;
    Options options;
    out.error = SplitOptions(line, options);
    if (!out.ok()) return out;

    int mode = kModeNormal;
    if (!options.mode.empty()) {
        mode = -1;
        for (int m = kModeNormal; m <= kModeKokushi; ++m)
            if (options.mode == kModeNames[m]) mode = m;
        if (mode < 0) {
            out.error = "unknown mode '" + std::string(options.mode) + "'";
            return out;
        }
    }
    if (!options.slack.empty() &&
        (!ParseInt(options.slack, out.slack) || out.slack < 0 || out.slack > kMaxSlack)) {
        out.error = "slack must be 0 or 1";
        return out;
    }

    ParsedTiles hand = ParseTiles(options.hand);
    if (!hand.ok()) {
        out.error = "hand: " + hand.error;
        return out;
    }
    if (hand.tiles.size() != kPositionTiles) {
        out.error = "the hand holds " + std::to_string(hand.tiles.size()) + " tiles, not 14";
        return out;
    }
    ParsedTiles discards;
    if (!options.discards.empty()) {
        discards = ParseTiles(options.discards);
        if (!discards.ok()) {
            out.error = "discards: " + discards.error;
            return out;
        }
    }
    const int discardCount = static_cast<int>(discards.tiles.size());
    int turn = 1 + discardCount;
    if (!options.turn.empty()) {
        if (!ParseInt(options.turn, turn) || turn < 1 || turn > kMaxTurns) {
            out.error = "turn must be 1..18";
            return out;
        }
        if (discardCount > turn - 1) {
            out.error = "more discards than turn - 1";
            return out;
        }
    }
    if (turn > kMaxTurns) {
        out.error = "more than 17 discards";
        return out;
    }

    KyokuState& state = out.state;
    state.mode = mode;
    state.Reset();
    for (TileKind k = 0; k < kKinds; ++k) {
        if (hand.counts[k] > state.wall[k]) {
            out.error = FormatTile(k) + " is not in the " + ModeName(mode) + " wall";
            return out;
        }
        state.wall[k] -= hand.counts[k];
    }
    state.hand = hand.counts;
    state.lastDraw = hand.tiles.back();  // the tile written last is taken as the draw
    if (!options.dora.empty()) {
        std::string why;
        TileKind indicator = ParseTile(options.dora, &why);
        if (indicator == kNoTile) {
            out.error = "dora: " + why;
            return out;
        }
        if (state.wall[indicator] < 1) {
            out.error = "no " + FormatTile(indicator) + " left for the dora indicator";
            return out;
        }
        state.AddDoraIndicator(indicator);
    }
    for (int t = 0; t < discardCount; ++t) {
        TileKind k = discards.tiles[t];
        if (state.wall[k] < 1) {
            out.error = "no " + FormatTile(k) + " left for the discards";
            return out;
        }
        --state.wall[k];
        state.discards[t] = k;
    }
    state.turn = turn;
    return out;
}

}  // namespace mizaro
