// mizaro-cli simulate: the computer's games without a window, on as many threads as asked,
// optionally added to the computer's statistics in a data directory.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <map>
#include <string>

#include "app/simulation.h"
#include "app/simulation_batch.h"
#include "stats/stat_summary.h"
#include "stats/user_name.h"
#include "tools/cli/cli_input.h"
#include "tools/cli/commands.h"

namespace mizaro::cli {

namespace {

constexpr int kProgressWidth = 40;

struct SimulateOptions {
    int games = 0;
    int level = 2;
    int mode = kModeNormal;
    std::uint64_t seed = 0;
    bool seeded = false;
    int jobs = 1;
    std::string data;
};

// Redrawn only when the shown width changes, so a fast run does not flood the terminal.
class ProgressBar {
  public:
    explicit ProgressBar(int total) : total_(total), shown_(isatty(STDERR_FILENO) != 0) {}
    void Update(int done) {
        if (!shown_ || total_ <= 0) return;
        const int filled = static_cast<int>(static_cast<long long>(done) * kProgressWidth / total_);
        if (filled == filled_) return;
        filled_ = filled;
        std::fprintf(stderr, "\r[%s%s] %d/%d", std::string(filled, '#').c_str(),
                     std::string(kProgressWidth - filled, ' ').c_str(), done, total_);
        if (done == total_) std::fputc('\n', stderr);
        std::fflush(stderr);
    }

  private:
    int total_;
    bool shown_;
    int filled_ = -1;
};

double Ratio(double part, double whole) {
    return whole > 0 ? part / whole : 0.0;
}

// False (and a word on stderr) when a file of the computer's statistics exists but was not read:
// playing on would write counters that no longer agree with the log kept beside them.
bool StatisticsReadable(const StatSummary& com) {
    for (const std::string& path : com.unreadableFiles)
        std::fprintf(stderr, "error: cannot read %s; nothing was played or written\n",
                     path.c_str());
    return com.unreadableFiles.empty();
}

void RunSimulate(const SimulateOptions& options) {
    SimulationBatch batch;
    batch.games = options.games;
    batch.level = options.level;
    batch.mode = options.mode;
    batch.jobs = options.jobs;
    batch.seed = options.seeded ? options.seed
                                : static_cast<std::uint64_t>(
                                      std::chrono::system_clock::now().time_since_epoch().count());

    std::string directory = options.data;
    if (!directory.empty() && directory.back() != '/') directory += '/';
    StatSummary com;
    if (!directory.empty()) com.Load(std::string(kComputerStatName), directory);
    if (!StatisticsReadable(com)) {
        SetExitCode(1);
        return;
    }
    if (!com.restoredFrom.empty())
        std::fprintf(stderr, "note: the counter file was missing; counted again from %s\n",
                     com.restoredFrom.c_str());
    WarnWithoutTable();

    StatSummary run;  // this run alone, for the figures
    ProgressBar progress(options.games);
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    PlaySimulationBatch(batch, [&](int index, const KyokuState& state, const GameRecord& record) {
        run.RecordGame(state, record);
        if (!directory.empty()) RecordComputerGame(com, state, record, 0, directory);
        progress.Update(index + 1);
    });
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    std::printf("seed %llu\n", static_cast<unsigned long long>(batch.seed));
    std::printf("games %d\n", run.N);
    std::printf("win rate %.2f %%\n", 100.0 * Ratio(run.nAgari, run.N));
    std::printf("average win points %.1f\n", Ratio(run.AgariTen, run.nAgari));
    std::printf("points per game %.2f\n", Ratio(run.AgariTen, run.N));
    std::printf("riichi rate %.2f %%\n", 100.0 * Ratio(run.nReach, run.N));
    std::printf("average winning turn %.2f\n", Ratio(run.AgariJun, run.nAgari));
    std::printf("ms per game %.3f\n", 1000.0 * Ratio(seconds, run.N));
    std::printf("games per second %.1f\n", Ratio(run.N, seconds));
    // Processor time of every thread: the cost of a game on a machine busy with other work.
    std::printf("cpu ms per game %.3f\n", 1000.0 * Ratio(cpuSeconds, run.N));
    if (!directory.empty() && !com.Save(directory)) {
        std::fprintf(stderr, "error: cannot save the computer's statistics in %s\n",
                     directory.c_str());
        SetExitCode(1);
    }
}

}  // namespace

void AddSimulateCommands(CLI::App& app, CLI::App& /*bench*/) {
    static SimulateOptions options;
    CLI::App* simulate = app.add_subcommand(
        "simulate", "Plays games with the computer's discard choice and prints its results");
    simulate->add_option("--games", options.games, "Number of games")
        ->required()
        ->check(CLI::Range(0, 100'000'000));
    simulate->add_option("--level", options.level, "Search level 1..3")->check(CLI::Range(1, 3));
    const std::map<std::string, int> modes = {{"normal", kModeNormal},
                                              {"chinitsu", kModeChinitsu},
                                              {"honitsu", kModeHonitsu},
                                              {"kokushi", kModeKokushi}};
    simulate->add_option("--mode", options.mode, "normal, chinitsu, honitsu or kokushi")
        ->transform(CLI::CheckedTransformer(modes, CLI::ignore_case));
    simulate->add_option("--seed", options.seed, "Seed of the games (default: the clock)")
        ->each([](const std::string&) { options.seeded = true; });
    simulate->add_option("--jobs", options.jobs, "Threads playing side by side")
        ->check(CLI::Range(1, 256));
    simulate->add_option("--data", options.data,
                         "Add the games to StatCom.txt and StatCom.log in this directory");
    simulate->callback([] { RunSimulate(options); });
}

}  // namespace mizaro::cli
