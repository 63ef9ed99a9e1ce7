// mizaro-cli review LOG [--game N] [--json]: what each discard of a recorded game cost, one
// line per rated turn and the total of the searched losses.
#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "core/hand_notation.h"
#include "stats/game_review.h"
#include "tools/cli/cli_input.h"
#include "tools/cli/commands.h"

namespace mizaro::cli {

namespace {

struct ReviewOptions {
    std::string log;
    int game = 1;
    bool json = false;
};

const char* KindName(RatingKind kind) {
    return kind == RatingKind::kSearch ? "search" : "tiles";
}

const char* OutcomeName(GameOutcome outcome) {
    switch (outcome) {
        case GameOutcome::kWon:
            return "won";
        case GameOutcome::kExhausted:
            return "exhausted";
        case GameOutcome::kInProgress:
            break;
    }
    return "in progress";
}

void PrintJson(const GameReview& review) {
    nlohmann::json out;
    out["result"] = OutcomeName(review.outcome);
    out["lastTurn"] = review.lastTurn;
    out["points"] = review.points;
    out["reachTurn"] = review.reachTurn;
    nlohmann::json turns = nlohmann::json::array();
    for (const TurnReview& t : review.turns) {
        nlohmann::json best = nlohmann::json::array();
        for (TileKind k = 0; k < kKinds; ++k)
            if (t.best[k]) best.push_back(FormatTile(k));
        turns.push_back({{"turn", t.turn},
                         {"draw", FormatTile(t.drawn)},
                         {"discard", FormatTile(t.discarded)},
                         {"best", best},
                         {"made", t.made},
                         {"bestValue", t.bestValue},
                         {"loss", t.loss},
                         {"kind", KindName(t.kind)},
                         {"riichi", t.riichi},
                         {"marked", t.marked}});
        if (t.hasRiichiValues) {
            turns.back()["riichiValue"] = t.riichiValue;
            turns.back()["damaValue"] = t.damaValue;
        }
    }
    out["turns"] = turns;
    out["totalLoss"] = review.totalLoss;
    std::printf("%s\n", out.dump(2).c_str());
}

void Run(const ReviewOptions& o) {
    const std::optional<std::vector<GameRecord>> read = ReadGameLogFile(o.log);
    if (!read) return;
    const std::vector<GameRecord>& records = *read;
    const int count = static_cast<int>(records.size());
    if (o.game < 1 || o.game > count) {
        std::fprintf(stderr, "error: the log holds %d games; --game counts 1..%d from the latest\n",
                     count, count);
        SetExitCode(1);
        return;
    }
    GameRecord record = records[count - o.game];
    record.Decode();
    WarnWithoutTable();
    const GameReview review = ReviewGame(record);
    if (!review.replayed) {
        std::fprintf(stderr, "error: game %d cannot be replayed\n", o.game);
        SetExitCode(1);
        return;
    }
    if (o.json) {
        PrintJson(review);
        return;
    }
    for (const TurnReview& t : review.turns) std::printf("%s\n", ReviewLine(t).c_str());
    std::printf("total loss=%.2f\n", review.totalLoss);
}

}  // namespace

void AddReviewCommand(CLI::App& app, CLI::App& /*bench*/) {
    auto options = std::make_shared<ReviewOptions>();
    auto* cmd = app.add_subcommand("review", "What each discard of a recorded game cost");
    cmd->add_option("log", options->log, "a game log (.log)")->required();
    cmd->add_option("--game", options->game, "the game, counted from the latest (1)");
    cmd->add_flag("--json", options->json, "one JSON object instead of lines");
    cmd->callback([options] { Run(*options); });
}

}  // namespace mizaro::cli
