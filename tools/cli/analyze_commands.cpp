// mizaro-cli analyze: the expected value of every discard of positions read from standard
// input, one position a line (see analysis/position_line.h for the line).
// mizaro-cli bench search: a fixed set of positions through the search, with a node-count
// signature that is the same on every machine and every run.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>

#include "analysis/nanikiru_search.h"
#include "analysis/position_line.h"
#include "core/hand_notation.h"
#include "core/shanten.h"
#include "core/shanten_table.h"
#include "tools/cli/cli_input.h"
#include "tools/cli/commands.h"

namespace mizaro::cli {

namespace {

constexpr double kPercent = 100.0;

struct AnalyzeOptions {
    bool turns = false;
    bool json = false;
};

std::string JoinCounts(const PositionCounts& counts) {
    std::string out;
    for (int i = 0; i <= kPositionTotal; ++i) {
        if (i > 0) out += ',';
        out += std::to_string(counts[i]);
    }
    return out;
}

std::string JoinTurns(const TurnValues& values, double scale) {
    std::string out;
    char buf[32];
    for (int k = 1; k <= kMaxTurns; ++k) {
        std::snprintf(buf, sizeof buf, "%s%.2f", k > 1 ? "," : "", values[k] * scale);
        out += buf;
    }
    return out;
}

nlohmann::json TurnArray(const TurnValues& values, double scale) {
    nlohmann::json out = nlohmann::json::array();
    for (int k = 1; k <= kMaxTurns; ++k) out.push_back(values[k] * scale);
    return out;
}

void PrintText(const NanikiruSearch& top, bool turns) {
    const int next = top.state().turn + 1;
    for (const NanikiruSearch* c : top.CandidateNodes()) {
        std::printf("%s ev=%.2f win=%.2f tenpai=%.2f eff=%d/%d\n",
                    FormatTile(c->state().lastDiscard).c_str(), TurnValue(c->ev(), next),
                    kPercent * TurnValue(c->winProb(), next),
                    kPercent * TurnValue(c->tenpaiProb(), next), c->effKinds(), c->effTiles());
        if (turns) {
            std::printf("  ev=%s\n", JoinTurns(c->ev(), 1.0).c_str());
            std::printf("  win=%s\n", JoinTurns(c->winProb(), kPercent).c_str());
            std::printf("  tenpai=%s\n", JoinTurns(c->tenpaiProb(), kPercent).c_str());
        }
    }
    std::printf("evaluated=%s visited=%s seconds=%.3f\n", JoinCounts(top.evaluated()).c_str(),
                JoinCounts(top.visited()).c_str(), top.seconds());
}

void PrintJson(const NanikiruSearch& top, int slack, bool turns) {
    const KyokuState& s = top.state();
    const int next = s.turn + 1;
    nlohmann::json out;
    out["hand"] = FormatHand(s.hand);
    out["turn"] = s.turn;
    out["slack"] = slack;
    out["mode"] = ModeName(s.mode);
    out["shanten"] = Shanten(s.hand);
    out["candidates"] = nlohmann::json::array();
    for (const NanikiruSearch* c : top.CandidateNodes()) {
        nlohmann::json j;
        j["discard"] = FormatTile(c->state().lastDiscard);
        j["ev"] = TurnValue(c->ev(), next);
        j["win"] = kPercent * TurnValue(c->winProb(), next);
        j["tenpai"] = kPercent * TurnValue(c->tenpaiProb(), next);
        j["effKinds"] = c->effKinds();
        j["effTiles"] = c->effTiles();
        if (turns) {
            j["evTurns"] = TurnArray(c->ev(), 1.0);
            j["winTurns"] = TurnArray(c->winProb(), kPercent);
            j["tenpaiTurns"] = TurnArray(c->tenpaiProb(), kPercent);
        }
        out["candidates"].push_back(std::move(j));
    }
    out["evaluated"] = top.evaluated();
    out["visited"] = top.visited();
    out["seconds"] = top.seconds();
    std::printf("%s\n", out.dump().c_str());
}

void RunAnalyze(const AnalyzeOptions& options) {
    WarnWithoutTable();
    ForEachInputLine([&](const std::string& line) {
        if (line.find_first_not_of(" \t\r") == std::string::npos) return;
        PositionRequest request = ParsePositionLine(line);
        if (!request.ok()) {
            if (options.json)
                std::printf("%s\n", nlohmann::json{{"error", request.error}}.dump().c_str());
            else
                std::printf("error: %s\n", request.error.c_str());
            SetExitCode(1);
            return;
        }
        NanikiruSearch top(request.state, true, true, request.slack);
        top.AnalyzeDiscards();
        if (options.json)
            PrintJson(top, request.slack, options.turns);
        else
            PrintText(top, options.turns);
        std::fflush(stdout);
        top.FreeCache();
    });
}

// Shanten 0 to 3, with and without slack, early and late turns, and the restricted walls.
constexpr const char* kBenchPositions[] = {
    "123m456p789s35m11z2z turn=3 dora=1p",         "123m456p789s35m11z2z turn=1 dora=4m slack=1",
    "234567m23p678s55z1z turn=14 dora=5p",         "123m456p79s35m11z27z turn=5 dora=3m",
    "123m456p79s35m11z27z turn=5 dora=3m slack=1", "1112345678m35p9s4z turn=2 dora=9s",
    "11224557899m367m turn=6 mode=chinitsu",       "123m46p79s358m9p115z turn=2 dora=9m",
    "123m46p79s358m9p115z turn=9 dora=9m slack=1", "1112345788m1256z turn=3 mode=honitsu dora=7z",
    "19m19p1234z555666z turn=3 mode=kokushi",      "24688m3579p13479s turn=1 dora=2z",
    "11379m2468p3578s4z turn=2 dora=6p",           "1235m4678p2469s17z turn=12 dora=1s",
    "24688m3579p1347s5z turn=4 dora=2z slack=1",   "24688m3579p13479s turn=1 slack=1",
};

void RunBenchSearch() {
    WarnWithoutTable();
    long long signature = 0;
    long long nodes = 0;
    double totalSeconds = 0.0;
    for (const char* line : kBenchPositions) {
        PositionRequest request = ParsePositionLine(line);
        if (!request.ok()) {
            std::printf("error: %s: %s\n", line, request.error.c_str());
            SetExitCode(1);
            return;
        }
        NanikiruSearch top(request.state, true, true, request.slack);
        top.AnalyzeDiscards();
        DiscardValues values;
        top.CandidateValues(values);
        const TileKind best =
            static_cast<TileKind>(std::max_element(values.begin(), values.end()) - values.begin());
        std::printf(
            "%-20s slack=%d turn=%2d shanten=%d evaluated=%s visited=%s best=%s %.2f "
            "ms=%.1f\n",
            FormatHand(request.state.hand).c_str(), request.slack, request.state.turn,
            Shanten(request.state.hand), JoinCounts(top.evaluated()).c_str(),
            JoinCounts(top.visited()).c_str(), FormatTile(best).c_str(), values[best],
            top.seconds() * 1000.0);
        std::fflush(stdout);
        signature += top.evaluated()[kPositionTotal];
        nodes += top.evaluated()[kPositionTotal];
        totalSeconds += top.seconds();
        top.FreeCache();
    }
    std::printf("signature %lld\n", signature);
    std::printf("seconds %.3f\n", totalSeconds);
    std::printf("nodes/s %.0f\n",
                totalSeconds > 0 ? static_cast<double>(nodes) / totalSeconds : 0.0);
}

}  // namespace

void AddAnalyzeCommands(CLI::App& app, CLI::App& bench) {
    static AnalyzeOptions options;
    CLI::App* analyze = app.add_subcommand(
        "analyze",
        "Reads positions from standard input, one a line: <14 tiles> [turn=<n>] "
        "[dora=<indicator>] [discards=<tiles>] [slack=0|1] "
        "[mode=normal|chinitsu|honitsu|kokushi]; prints every candidate discard with its "
        "expected value, win and ready chances in percent and effective tiles");
    analyze->add_flag("--turns", options.turns, "Also print each candidate's per-draw values");
    analyze->add_flag("--json", options.json, "One JSON object per position");
    analyze->callback([] { RunAnalyze(options); });
    bench.add_subcommand("search", "Runs a fixed set of positions through the discard search")
        ->callback(RunBenchSearch);
}

}  // namespace mizaro::cli
