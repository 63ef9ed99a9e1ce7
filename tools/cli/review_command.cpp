// mizaro-cli review LOG [--game N] [--json] [--page FILE [--lang ja|en]]: what each discard of a
// recorded game cost, one line per rated turn and the total of the searched losses, and the
// review page the window opens.
// mizaro-cli bench review: computer games played from a fixed seed, each reviewed; the sum of
// every rated turn's loss and best value is a signature that any change of a rating moves.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "app/page_output.h"
#include "app/simulation.h"
#include "core/random.h"
#include "stats/game_review.h"
#include "stats/review_page.h"
#include "stats/review_turns.h"
#include "tools/cli/cli_input.h"
#include "tools/cli/commands.h"
#include "tools/cli/review_json.h"

namespace mizaro::cli {

namespace {

struct ReviewOptions {
    std::string log;
    int game = 1;
    bool json = false;
    std::string page;
    Language language = Language::kJapanese;
};

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
    for (const TurnReview& t : review.turns) turns.push_back(TurnJson(t));
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
    const GameReview review = ReviewGame(record, ReviewJobs());
    if (!review.replayed) {
        std::fprintf(stderr, "error: game %d cannot be replayed\n", o.game);
        SetExitCode(1);
        return;
    }
    if (!o.page.empty() &&
        !WritePage(o.page, ReviewPage(review, ReviewTitle(o.game, o.language), o.language),
                   o.language)) {
        std::fprintf(stderr, "error: %s cannot be written\n", o.page.c_str());
        SetExitCode(1);
    }
    if (o.json) {
        PrintJson(review);
        return;
    }
    for (const TurnReview& t : review.turns) std::printf("%s\n", ReviewLine(t).c_str());
    std::printf("total loss=%.2f\n", review.totalLoss);
}

// The level simulate plays by default: the games are the ones `simulate --seed` writes.
constexpr int kBenchLevel = 2;

struct BenchReviewOptions {
    int games = 100;
    std::uint64_t seed = 7;
    int jobs = 1;
};

void RunBenchReview(const BenchReviewOptions& o) {
    WarnWithoutTable();
    std::vector<GameRecord> records;
    for (int i = 0; i < o.games; ++i) {
        SeedThreadRandom(GameSeed(o.seed, static_cast<std::uint64_t>(i)));
        KyokuState state;
        state.simLevel = kBenchLevel;
        GameRecord record;
        // Completed as the statistics record a finished game.
        if (PlayComputerGame(state, record) == ComputerGameEnd::kWon)
            record.uraIndicator = state.uraIndicator;
        record.reachTurn = state.reachTurn;
        records.push_back(record);
    }
    double signature = 0.0;
    int turns = 0;
    const auto start = std::chrono::steady_clock::now();
    for (const GameRecord& record : records) {
        const GameReview review = ReviewGame(record, o.jobs);
        // Every rated turn, searched or counted, with its best value as well as its loss.
        for (const TurnReview& t : review.turns) signature += t.loss + t.bestValue;
        turns += static_cast<int>(review.turns.size());
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("signature %.9f\n", signature);
    std::printf("games %d turns %d\n", o.games, turns);
    std::printf("seconds %.3f\n", seconds);
}

}  // namespace

void AddReviewCommand(CLI::App& app, CLI::App& bench) {
    auto options = std::make_shared<ReviewOptions>();
    auto* cmd = app.add_subcommand("review", "What each discard of a recorded game cost");
    cmd->add_option("log", options->log, "a game log (.log)")->required();
    cmd->add_option("--game", options->game, "the game, counted from the latest (1)");
    cmd->add_flag("--json", options->json, "one JSON object instead of lines");
    cmd->add_option("--page", options->page,
                    "also write the review page to this file (code page 932 in Japanese, UTF-8 "
                    "in English)");
    AddLanguageOption(*cmd, options->language);
    cmd->callback([options] { Run(*options); });

    auto benchOptions = std::make_shared<BenchReviewOptions>();
    CLI::App* benchReview =
        bench.add_subcommand("review", "Reviews computer games played from a fixed seed");
    benchReview->add_option("--games", benchOptions->games, "Games to play and review")
        ->check(CLI::Range(1, 100000))
        ->capture_default_str();
    benchReview->add_option("--seed", benchOptions->seed, "Seed of the games")
        ->capture_default_str();
    benchReview->add_option("--jobs", benchOptions->jobs, "Threads rating the turns of a game")
        ->check(CLI::Range(1, 256))
        ->capture_default_str();
    benchReview->callback([benchOptions] { RunBenchReview(*benchOptions); });
}

}  // namespace mizaro::cli
