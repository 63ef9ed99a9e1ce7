// mizaro-cli detail LOG: the detailed analysis of a game log, its six lists as the window's
// copy command gives them.
// mizaro-cli bench detail: games played by the game flow with a fixed seed, replayed on one
// and on two threads, and the filter timed over ten thousand replayed games.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "analysis/computer_discard.h"
#include "app/detail_settings.h"
#include "app/game_flow.h"
#include "core/random.h"
#include "platform/atomic_file.h"
#include "platform/read_file.h"
#include "platform/text_encoding.h"
#include "stats/detail_lists.h"
#include "stats/game_log.h"
#include "tools/cli/cli_input.h"
#include "tools/cli/commands.h"

namespace mizaro::cli {

namespace {

struct DetailOptions {
    std::string log;
    std::string settings;
    std::string out;
    int jobs = 1;
    Language language = Language::kJapanese;
    DetailFilter filter;
    // The options given on the command line, which override the settings file.
    std::vector<std::pair<CLI::Option*, int DetailFilter::*>> numbers;
    CLI::Option* yaku = nullptr;
};

std::string DetailText(const DetailTotals& totals, Language language) {
    std::string text;
    for (const DetailListId& id : kDetailLists) {
        text += "[" + DetailPageLabel(id.page, language) + " " + std::to_string(id.list) + "]\n";
        text += ListCopyText(DetailList(id, totals, language));
    }
    return text;
}

void Fail(const std::string& message) {
    std::fprintf(stderr, "error: %s\n", message.c_str());
    SetExitCode(1);
}

void RunDetail(DetailOptions& o) {
    WarnWithoutTable();
    DetailFilter filter;
    if (!o.settings.empty()) {
        Settings s;
        s.path = o.settings;
        if (!LoadSettings(s).opened) return Fail(o.settings + " cannot be read");
        filter = FilterFromSettings(s);
    }
    for (const auto& [option, field] : o.numbers)
        if (option->count() > 0) filter.*field = o.filter.*field;
    if (o.yaku->count() > 0) filter.yaku = o.filter.yaku;

    const std::optional<std::string> text = ReadWholeFile(o.log);
    if (!text) return Fail(o.log + " cannot be read");
    std::vector<GameRecord> records;
    ParseGameLog(*text, records);

    DetailAnalysis analysis;
    analysis.filter = filter;
    analysis.ReplayAll(records, o.jobs);
    if (analysis.skipped > 0)
        std::fprintf(stderr, "warning: %d records cannot be replayed and are left out\n",
                     analysis.skipped);
    analysis.ApplyFilter();
    analysis.Aggregate();
    const std::string lists = DetailText(analysis.totals, o.language);
    if (o.out.empty()) {
        std::fwrite(lists.data(), 1, lists.size(), stdout);
        return;
    }
    if (o.language == Language::kEnglish) {
        if (!WriteFileAtomically(o.out, lists)) Fail(o.out + " cannot be written");
        return;
    }
    const std::optional<std::string> cp932 = Utf8ToCp932(lists);
    if (!cp932) return Fail("the lists cannot be written in code page 932");
    if (!WriteFileAtomically(o.out, *cp932)) Fail(o.out + " cannot be written");
}

// A window that shows nothing: the bench drives the game flow alone.
class SilentView : public GameView {
  public:
    void RequestRepaint(bool) override {}
    void ShowMessage(const std::string&, const std::string&) override {}
    int PointerSlot() const override { return pointer; }
    void MovePointerToSlot(int slot) override { pointer = slot; }
    void SetBusy(bool) override {}
    int pointer = -1;
};

struct BenchOptions {
    int games = 1000;
    unsigned seed = 20261207;
    std::string log;
};

// A player who discards for the most tiles that lower the shanten and declares riichi when
// ready in two games of three.
std::vector<GameRecord> PlayBenchGames(const BenchOptions& o) {
    SeedThreadRandom(o.seed);
    SilentView view;
    GameFlow flow(view);
    flow.showResult = false;
    flow.assistLimit = kAssistOff;
    flow.NewGame();
    while (static_cast<int>(flow.userStats.records.size()) < o.games) {
        const TileKind k = AcceptanceChoice(flow.state);
        const SlotKinds slots = flow.Slots();
        view.pointer = kDrawnSlot;
        for (int i = 0; i < kHandSlots; ++i)
            if (slots[i] == k) view.pointer = i;
        flow.PlayerDiscard(view.pointer, flow.userStats.records.size() % 3 != 0);
    }
    return flow.userStats.records;
}

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

struct ReplayTime {
    double wall = 1e9;
    double cpu = 1e9;  // of the whole process: on a busy machine the wall time says little
    double signature = 0.0;
};

void TimeReplay(const std::vector<GameRecord>& records, int jobs, ReplayTime& best) {
    DetailAnalysis a;
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    a.ReplayAll(records, jobs);
    best.wall = std::min(best.wall, Seconds(start));
    best.cpu = std::min(best.cpu, static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC);
    best.signature = 0.0;
    for (const ReplayedGame& g : a.games) best.signature += g.points + g.reachEv + g.readyTurn;
}

void RunBenchDetail(const BenchOptions& o) {
    WarnWithoutTable();
    std::vector<GameRecord> records = PlayBenchGames(o);
    if (!o.log.empty() && !WriteFileAtomically(o.log, FormatGameLog(records)))
        return Fail(o.log + " cannot be written");

    DetailAnalysis a;
    a.ReplayAll(records, 1);
    int riichi = 0;
    for (const ReplayedGame& g : a.games) riichi += g.reachTurn > 0;
    std::printf("games %zu, riichi %d (%.1f %%)\n", a.games.size(), riichi,
                100.0 * riichi / static_cast<double>(std::max<std::size_t>(1, a.games.size())));

    // The best of three runs, so a busy machine disturbs the figure less.
    ReplayTime one, two;
    for (int run = 0; run < 3; ++run) {
        TimeReplay(records, 1, one);
        TimeReplay(records, 2, two);
    }
    std::printf("replay 1 thread  %.3f s (cpu %.3f s)\n", one.wall, one.cpu);
    std::printf("replay 2 threads %.3f s (cpu %.3f s), %.2f times faster\n", two.wall, two.cpu,
                one.wall / two.wall);
    std::printf("signature %.4f %s\n", one.signature,
                one.signature == two.signature ? "(same on 2 threads)" : "(DIFFERS on 2 threads)");

    // Ten thousand games: the replayed ones again and again.
    DetailAnalysis many;
    while (many.games.size() < 10000)
        many.games.push_back(a.games[many.games.size() % a.games.size()]);
    many.filter.kyoku = 10000;
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
        many.filter.reach0 = run % 2;  // a different filter each time
        const auto start = std::chrono::steady_clock::now();
        many.ApplyFilter();
        many.Aggregate();
        best = std::min(best, Seconds(start));
    }
    std::printf("filter and sums on %zu games %.2f ms\n", many.games.size(), best * 1000.0);
}

}  // namespace

void AddDetailCommands(CLI::App& app, CLI::App& bench) {
    static DetailOptions o;
    CLI::App* detail = app.add_subcommand(
        "detail",
        "Replays the records of a game log, filters them and prints the six lists of the "
        "detailed analysis, each after a line [<page> <list id>], as the copy command gives "
        "them");
    detail->add_option("LOG", o.log, "A game log (StatMan.log, StatCom.log, ...)")->required();
    detail->add_option("--settings", o.settings, "Take the filter from this settings file first");
    auto number = [&](const char* name, int DetailFilter::*field, const char* help,
                      const CLI::Validator& check) {
        o.numbers.emplace_back(
            detail->add_option(name, o.filter.*field, help)->check(check)->capture_default_str(),
            field);
    };
    const CLI::Range shanten(-1, 6);
    const CLI::Range flag(0, 1);
    o.numbers.emplace_back(
        detail->add_option("--kyoku", o.filter.kyoku, "Keep the most recent N games")
            ->capture_default_str(),
        &DetailFilter::kyoku);
    number("--hai1", &DetailFilter::hai1, "Lowest shanten after the first draw", shanten);
    number("--hai2", &DetailFilter::hai2, "Highest shanten after the first draw", shanten);
    number("--last1", &DetailFilter::last1, "Lowest shanten after the 18th draw", shanten);
    number("--last2", &DetailFilter::last2, "Highest shanten after the 18th draw", shanten);
    number("--reach1", &DetailFilter::reach1, "1: games with riichi may pass", flag);
    number("--reach0", &DetailFilter::reach0, "1: games without riichi may pass", flag);
    number("--mode", &DetailFilter::mode, "Game mode 0 normal, 1 chinitsu, 2 honitsu, 3 kokushi",
           CLI::Range(0, 3));
    number("--yaku-mode", &DetailFilter::yakuMode, "0: all selected yaku (AND), 1: any (OR)", flag);
    o.yaku = detail->add_option("--yaku", o.filter.yaku, "31 characters 0/1, one per yaku id")
                 ->check(
                     [](const std::string& v) {
                         const bool ok = v.size() == static_cast<std::size_t>(kYakuCount) &&
                                         v.find_first_not_of("01") == std::string::npos;
                         return ok ? std::string() : "expects 31 characters of 0 and 1";
                     },
                     "YAKU")
                 ->capture_default_str();
    detail->add_option("--jobs", o.jobs, "Threads for the replay")
        ->check(CLI::Range(1, 256))
        ->capture_default_str();
    detail->add_option("--out", o.out,
                       "Write the lists to this file instead of standard output: code page 932 "
                       "in Japanese, UTF-8 in English");
    AddLanguageOption(*detail, o.language);
    detail->callback([] { RunDetail(o); });

    static BenchOptions b;
    CLI::App* benchDetail = bench.add_subcommand(
        "detail", "Times the replay of games played with a fixed seed, and the filter");
    benchDetail->add_option("--games", b.games, "Games to play")
        ->check(CLI::Range(1, 1000000))
        ->capture_default_str();
    benchDetail->add_option("--seed", b.seed, "Seed of the deals")->capture_default_str();
    benchDetail->add_option("--log", b.log, "Also write the games as a game log to this file");
    benchDetail->callback([] { RunBenchDetail(b); });
}

}  // namespace mizaro::cli
