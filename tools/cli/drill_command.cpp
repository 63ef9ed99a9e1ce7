// mizaro-cli drill LOG [--min-loss PCT] [--min-points P] [--jobs J] [--json] [--page FILE
// [--lang ja|en]]: the drill problems of a game log, one line each, oldest game first, then the
// counts; and the progress page of a new drill that holds them.
#include <cstdio>
#include <ctime>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "core/hand_notation.h"
#include "platform/atomic_file.h"
#include "stats/drill_deck.h"
#include "stats/drill_harvest.h"
#include "stats/drill_page.h"
#include "stats/drill_schedule.h"
#include "tools/cli/cli_input.h"
#include "tools/cli/commands.h"

namespace mizaro::cli {

namespace {

struct DrillCommandOptions {
    std::string log;
    DrillThreshold threshold;
    int jobs = 1;
    bool json = false;
    std::string page;
    Language language = Language::kJapanese;
};

// The 14 tiles with the drawn one last, as the player saw them.
std::string HandText(const DrillPosition& p) {
    TileCounts rest = p.hand;
    --rest[p.drawn];
    return FormatHand(rest) + FormatTile(p.drawn);
}

std::string BestText(const DrillProblem& p) {
    TileCounts best{};
    for (TileKind k = 0; k < kKinds; ++k) best[k] = p.best[k] ? 1 : 0;
    return FormatHand(best);
}

void PrintJson(const HarvestResult& harvest) {
    nlohmann::json problems = nlohmann::json::array();
    for (const DrillProblem& p : harvest.problems) {
        nlohmann::json candidates = nlohmann::json::array();
        for (const DrillCandidate& c : p.candidates)
            candidates.push_back({{"discard", FormatTile(c.discard)},
                                  {"value", c.value},
                                  {"win", c.win},
                                  {"ready", c.ready}});
        problems.push_back({{"game", p.game + 1},
                            {"turn", p.position.turn},
                            {"hand", HandText(p.position)},
                            {"dora", FormatTile(p.position.doraIndicator)},
                            {"discard", FormatTile(p.made)},
                            {"best", BestText(p)},
                            {"made", p.madeValue},
                            {"bestValue", p.bestValue},
                            {"loss", p.loss},
                            {"candidates", candidates}});
    }
    const nlohmann::json out = {
        {"problems", problems}, {"count", harvest.problems.size()}, {"games", harvest.games}};
    std::printf("%s\n", out.dump(2).c_str());
}

void Run(const DrillCommandOptions& o) {
    const std::optional<std::vector<GameRecord>> read = ReadGameLogFile(o.log);
    if (!read) return;
    const std::vector<GameRecord>& records = *read;
    WarnWithoutTable();
    const HarvestResult harvest = HarvestProblems(records, 0, o.threshold, nullptr, {}, o.jobs);
    if (!o.page.empty()) {
        DrillDeck deck;
        const int today = DrillDay(std::time(nullptr));
        deck.AddHarvest(harvest, records, 0, today);
        // The page declares UTF-8 in either language, so it is written as it is.
        if (!WriteFileAtomically(o.page, DrillPage(deck, today, o.language))) {
            std::fprintf(stderr, "error: %s cannot be written\n", o.page.c_str());
            SetExitCode(1);
        }
    }
    if (o.json) {
        PrintJson(harvest);
        return;
    }
    for (const DrillProblem& p : harvest.problems)
        std::printf(
            "game=%d turn=%d hand=%s dora=%s discard=%s best=%s made=%.2f bestValue=%.2f "
            "loss=%.2f\n",
            p.game + 1, p.position.turn, HandText(p.position).c_str(),
            FormatTile(p.position.doraIndicator).c_str(), FormatTile(p.made).c_str(),
            BestText(p).c_str(), p.madeValue, p.bestValue, p.loss);
    std::printf("problems=%zu games=%d\n", harvest.problems.size(), harvest.games);
}

}  // namespace

void AddDrillCommand(CLI::App& app, CLI::App& /*bench*/) {
    auto options = std::make_shared<DrillCommandOptions>();
    auto* cmd = app.add_subcommand("drill", "The costliest discards of a game log, as problems");
    cmd->add_option("log", options->log, "a game log (.log)")->required();
    cmd->add_option("--min-loss", options->threshold.minLossPercent,
                    "the least loss, in % of the best value (1)")
        ->check(CLI::NonNegativeNumber);
    cmd->add_option("--min-points", options->threshold.minLossPoints,
                    "the least loss, in points (10)")
        ->check(CLI::NonNegativeNumber);
    cmd->add_option("--jobs", options->jobs, "threads reviewing games (1)")
        ->check(CLI::Range(1, 64));
    cmd->add_flag("--json", options->json, "one JSON object instead of lines");
    cmd->add_option("--page", options->page,
                    "also write the progress page of a new drill holding these problems (UTF-8)");
    AddLanguageOption(*cmd, options->language);
    cmd->callback([options] { Run(*options); });
}

}  // namespace mizaro::cli
