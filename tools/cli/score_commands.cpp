// mizaro-cli score: scores winning positions read from standard input, one per line:
//   <14 tiles> win=<tile> [turn=<n>] [reach=<n>] [dora=<indicators>] [ura=<indicator>] [ippatsu]
// and prints "<points> <fu> <han> <yaku>=<han> ..." (or the win text with --text).
// mizaro-cli bench score: the speed of the win evaluation on a fixed set of complete hands.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/hand_notation.h"
#include "core/kyoku_state.h"
#include "core/scoring/score_text.h"
#include "core/scoring/yaku_names.h"
#include "tools/cli/cli_input.h"
#include "tools/cli/commands.h"

namespace mizaro::cli {

namespace {

constexpr int kHandTiles = 14;
constexpr int kCopies = 4;
constexpr int kDefaultTurn = 2;
constexpr int kLastRiichiTurn = kMaxTurns;  // higher values stand for an assumed riichi
constexpr int kBenchRounds = 200'000;

struct WinPosition {
    KyokuState state;
    bool forceIppatsu = false;
    std::string error;  // empty when the line describes a complete hand
};

bool ParseCount(std::string_view text, int& value) {
    if (text.empty() || text.size() > 6) return false;
    int v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
    }
    value = v;
    return true;
}

// Reads one position line. The hand may be written in several pieces ("123m 456p ...") as long
// as they come before the first option.
WinPosition ParseWinPosition(const std::string& line) {
    WinPosition pos;
    std::istringstream in(line);
    std::string token, handText, doraText;
    TileKind win = kNoTile, ura = kNoTile;
    int turn = kDefaultTurn, reach = 0;
    bool sawOption = false;
    const auto fail = [&pos](std::string reason) {
        pos.error = std::move(reason);
        return pos;
    };

    while (in >> token) {
        const std::size_t eq = token.find('=');
        if (token == "ippatsu") {
            pos.forceIppatsu = sawOption = true;
            continue;
        }
        if (eq == std::string::npos) {
            if (sawOption) return fail("unexpected \"" + token + "\" after the options");
            handText += token;
            continue;
        }
        sawOption = true;
        const std::string key = token.substr(0, eq);
        const std::string value = token.substr(eq + 1);
        std::string why;
        if (key == "win") {
            win = ParseTile(value, &why);
            if (win == kNoTile) return fail("win=" + value + ": " + why);
        } else if (key == "ura") {
            ura = ParseTile(value, &why);
            if (ura == kNoTile) return fail("ura=" + value + ": " + why);
        } else if (key == "dora") {
            doraText = value;
        } else if (key == "turn") {
            if (!ParseCount(value, turn) || turn < 1 || turn > kMaxTurns)
                return fail("turn must be 1..18");
        } else if (key == "reach") {
            if (!ParseCount(value, reach)) return fail("reach must be a number");
        } else {
            return fail("unknown option \"" + key + "\"");
        }
    }

    const ParsedTiles hand = ParseTiles(handText);
    if (handText.empty()) return fail("no tiles");
    if (!hand.ok()) return fail(hand.error);
    if (hand.tiles.size() != kHandTiles)
        return fail("the hand holds " + std::to_string(hand.tiles.size()) + " tiles, not 14");
    if (win == kNoTile) return fail("no win=<tile>");
    if (hand.counts[win] == 0)
        return fail("the winning tile " + FormatTile(win) + " is not in the hand");
    if (reach >= 1 && reach <= kLastRiichiTurn && reach >= turn)
        return fail("reach must come before turn");
    const ParsedTiles dora = ParseTiles(doraText);
    if (!dora.ok()) return fail("dora=" + doraText + ": " + dora.error);

    TileCounts used = hand.counts;
    for (TileKind k : dora.tiles) ++used[k];
    if (ura != kNoTile) ++used[ura];
    for (TileKind k = 0; k < kKinds; ++k)
        if (used[k] > kCopies) return fail("more than 4 of " + FormatTile(k));

    KyokuState& s = pos.state;
    for (TileKind k = 0; k < kKinds; ++k)
        for (int i = 0; i < hand.counts[k]; ++i) s.DrawKind(k);
    s.lastDraw = win;
    s.turn = turn;
    s.reachTurn = reach;
    for (TileKind k : dora.tiles) s.AddDoraIndicator(k);
    if (ura != kNoTile) {
        s.AddDoraIndicator(ura);
        s.uraIndicator = ura;
    }
    if (s.Shanten() != -1) return fail("not a complete hand");
    return pos;
}

std::string ScoreLine(const AgariResult& r) {
    std::string line = std::to_string(r.points) + " " + std::to_string(r.fu) + " " +
                       std::to_string(r.han.TotalHan());
    for (YakuId id = 0; id < kYakuCount; ++id) {
        if (r.han.GetHan(id) == 0) continue;
        line += " ";
        line += YakuName(id);
        line += "=" + std::to_string(r.han.GetHan(id));
    }
    return line;
}

void RunScore(bool text, Language language) {
    WarnWithoutTable();
    bool first = true;
    ForEachInputLine([&](const std::string& line) {
        if (text && !first) std::printf("\n");
        first = false;
        WinPosition pos = ParseWinPosition(line);
        if (!pos.error.empty()) {
            std::printf("error: %s\n", pos.error.c_str());
            return;
        }
        pos.state.EvaluateWin(false, pos.forceIppatsu);
        const std::string out =
            text ? FormatScoreText(pos.state.result, language) : ScoreLine(pos.state.result) + "\n";
        std::fputs(out.c_str(), stdout);
    });
}

// Complete hands of every kind the evaluation meets: regular readings (several competing),
// seven pairs, thirteen orphans and yakuman. Riichi is the analysis's assumed one, so no
// evaluation draws an ura-dora indicator and every round scores the same.
constexpr const char* kBenchPositions[] = {
    "234m567p345678s99p win=3s turn=5",
    "123456789m22233z win=1m turn=7",
    "123345m678p234s99s win=3m turn=9 reach=100",
    "112233m445566p77s win=1m turn=6 dora=4p",
    "223344m556677p88s win=8s turn=5 reach=100 dora=1m7s",
    "111222333m456p77s win=4p turn=11",
    "22334455667788m win=8m turn=8 reach=100",
    "11223344556677m win=4m turn=12",
    "1122m3344p5566s77z win=7z turn=10",
    "234m234p234s55566z win=6z turn=4 reach=100 dora=4z",
    "111m333p555777s22z win=2z turn=13",
    "119m19p19s1234567z win=1m turn=14",
    "11123456789999m win=9m turn=15",
    "111z22z555666777z win=5z turn=16",
    "123m789m111p789p99s win=9s turn=17 reach=100",
    "345m345m345m66p789s win=6p turn=3",
};

void RunBenchScore() {
    std::vector<KyokuState> states;
    for (const char* text : kBenchPositions) {
        WinPosition pos = ParseWinPosition(text);
        if (!pos.error.empty()) {
            std::fprintf(stderr, "error: bench position \"%s\": %s\n", text, pos.error.c_str());
            SetExitCode(1);
            return;
        }
        states.push_back(pos.state);
    }
    const long long evaluations = static_cast<long long>(kBenchRounds) * states.size();
    std::printf("evaluations %lld\n", evaluations);
    for (bool expectUra : {false, true}) {
        std::uint64_t checksum = 0;
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t cpuStart = std::clock();
        for (int round = 0; round < kBenchRounds; ++round)
            for (KyokuState& s : states)
                checksum += static_cast<std::uint64_t>(s.EvaluateWin(expectUra, false));
        const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        // Per second of processor time too: on a shared machine the wall clock also counts the
        // time other programs held the core.
        const char* label = expectUra ? "expectUra" : "plain";
        const double n = static_cast<double>(evaluations);
        std::printf("%s checksum %llu\n", label, static_cast<unsigned long long>(checksum));
        std::printf("%s evaluations/s %.0f\n", label, n / seconds);
        std::printf("%s evaluations/cpu-s %.0f\n", label, n / cpuSeconds);
    }
}

}  // namespace

void AddScoreCommands(CLI::App& app, CLI::App& bench) {
    CLI::App* score = app.add_subcommand(
        "score",
        "Scores winning positions from standard input, one per line: <14 tiles> win=<tile> "
        "[turn=<n>] [reach=<n>] [dora=<indicators>] [ura=<indicator>] [ippatsu]; prints "
        "<points> <fu> <han> <yaku>=<han>...");
    static bool text = false;
    static Language language = Language::kJapanese;
    score->add_flag("--text", text, "Print the win text instead");
    // --lang changes the win text only. The line keeps the Japanese names: they are the yaku
    // keys, and the English ones hold spaces that would split the line's fields.
    AddLanguageOption(*score, language);
    score->callback([] { RunScore(text, language); });
    bench
        .add_subcommand("score",
                        "Evaluates a fixed set of complete hands, with and without the "
                        "ura-dora expectation")
        ->callback(RunBenchScore);
}

}  // namespace mizaro::cli
