// mizaro-cli report, dama and problem: the analysis pages and the problem text of one position
// read from standard input (see analysis/position_line.h for the line). With --out FILE the
// exact bytes of the file go to FILE (code page 932, or UTF-8 with --lang en); without it the
// text goes to standard output in UTF-8.
// mizaro-cli bench pages: the search and the page writing of fixed positions, timed apart.
#include <chrono>
#include <cstdio>
#include <string>

#include "analysis/position_line.h"
#include "analysis/problem_text.h"
#include "analysis/report_page.h"
#include "analysis/riichi_analysis.h"
#include "app/page_output.h"
#include "platform/text_encoding.h"
#include "tools/cli/cli_input.h"
#include "tools/cli/commands.h"

namespace mizaro::cli {

namespace {

struct PageOptions {
    int depth = kMinReportDepth;
    std::string out;
    Language language = Language::kJapanese;
};

// The one position line of standard input; false (with the reason said) when there is none,
// more than one, or it does not read.
bool ReadOnePosition(PositionRequest& request) {
    int lines = 0;
    ForEachInputLine([&](const std::string& line) {
        if (line.find_first_not_of(" \t\r") == std::string::npos) return;
        if (++lines == 1) request = ParsePositionLine(line);
    });
    if (ExitCode() != 0) return false;
    if (lines != 1) {
        std::fprintf(stderr, "error: expected one position line on standard input, got %d\n",
                     lines);
        SetExitCode(1);
        return false;
    }
    if (!request.ok()) {
        std::fprintf(stderr, "error: %s\n", request.error.c_str());
        SetExitCode(1);
        return false;
    }
    return true;
}

void Emit(const AnalysisText& result, const PageOptions& options) {
    if (!result.ok()) {
        std::fprintf(stderr, "%s\n", result.refusal.c_str());
        SetExitCode(1);
        return;
    }
    if (options.out.empty()) {
        std::fwrite(result.text.data(), 1, result.text.size(), stdout);
        std::fflush(stdout);
        return;
    }
    if (!WritePage(options.out, result.text, options.language)) {
        std::fprintf(stderr, "error: %s could not be written\n", options.out.c_str());
        SetExitCode(1);
    }
}

template <typename Build>
void RunPageCommand(const PageOptions& options, Build build) {
    WarnWithoutTable();
    PositionRequest request;
    if (!ReadOnePosition(request)) return;
    Emit(build(request), options);
}

// One-shanten and three-shanten hands, with hand changes, at depth 2 as well as 1.
constexpr struct {
    const char* line;
    int depth;
} kBenchPages[] = {
    {"123m456p79s35m11z27z turn=5 dora=3m slack=1", 2},
    {"123m456p79s35m11z27z turn=5 dora=3m slack=1", 3},
    {"1235m4678p2469s17z turn=3 dora=1s", 1},
    {"24688m3579p1347s5z turn=4 dora=2z slack=1", 1},
};

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

void RunBenchPages() {
    WarnWithoutTable();
    const std::string scratch = "mizaro-bench-page.htm";
    for (const auto& item : kBenchPages) {
        const PositionRequest request = ParsePositionLine(item.line);
        if (!request.ok()) {
            std::printf("error: %s: %s\n", item.line, request.error.c_str());
            SetExitCode(1);
            return;
        }
        NanikiruSearch top(request.state, true, true, request.slack);
        top.AnalyzeDiscards();
        const auto start = std::chrono::steady_clock::now();
        const std::string page = ReportPage(top, item.depth);
        const double built = MillisecondsSince(start);
        const std::size_t bytes = Utf8ToCp932(page).value_or("").size();
        const double converted = MillisecondsSince(start);
        const bool written = WritePage(scratch, page);
        const double total = MillisecondsSince(start) - (converted - built);
        top.FreeCache();
        std::printf(
            "%-45s depth=%d search ms=%.1f page ms=%.1f (built %.1f, converted %.1f) "
            "bytes=%zu%s\n",
            item.line, item.depth, top.seconds() * 1000.0, total, built, converted - built, bytes,
            written ? "" : " NOT WRITTEN");
        std::fflush(stdout);
    }
    std::remove(scratch.c_str());

    // Ready hands with few and with many waits, with and without hand changes.
    constexpr const char* kReady[] = {
        "123m456p789s11z55z7z turn=3 dora=1p", "234567m23p678s55z1z turn=6 dora=5p",
        "234567m24p678s55z1z turn=4 dora=5p", "1112345678999m1z turn=2 mode=honitsu",
        "2345678m2345p678s turn=2 dora=1z"};
    for (const char* line : kReady) {
        const PositionRequest request = ParsePositionLine(line);
        if (!request.ok()) {
            std::printf("error: %s: %s\n", line, request.error.c_str());
            SetExitCode(1);
            return;
        }
        const auto start = std::chrono::steady_clock::now();
        const AnalysisText page = DamaPageFor(request.state);
        std::printf("%-45s dama ms=%.1f%s\n", line, MillisecondsSince(start),
                    page.ok() ? "" : " refused");
    }
}

}  // namespace

void AddPageCommands(CLI::App& app, CLI::App& bench) {
    static PageOptions options;
    const char* outHelp =
        "Write the page's file to FILE (code page 932, UTF-8 in English) instead of UTF-8 to "
        "stdout";

    CLI::App* report = app.add_subcommand(
        "report", "Writes the what-to-discard report of the position on standard input");
    report->add_option("--depth", options.depth, "Depth of the best-reply sections")
        ->check(CLI::Range(kMinReportDepth, kMaxReportDepth));
    report->add_option("--out", options.out, outHelp);
    AddLanguageOption(*report, options.language);
    report->callback([] {
        RunPageCommand(options, [](const PositionRequest& r) {
            return ReportPageFor(r.state, r.slack, options.depth, kReportPageSizeLimit,
                                 options.language);
        });
    });

    CLI::App* dama = app.add_subcommand(
        "dama", "Writes the riichi analysis of the ready position on standard input");
    dama->add_option("--out", options.out, outHelp);
    AddLanguageOption(*dama, options.language);
    dama->callback([] {
        RunPageCommand(options, [](const PositionRequest& r) {
            return DamaPageFor(r.state, options.language);
        });
    });

    CLI::App* problem = app.add_subcommand(
        "problem", "Writes the problem and explanation text of the position on standard input");
    problem->add_option("--out", options.out, outHelp);
    AddLanguageOption(*problem, options.language);
    problem->callback([] {
        RunPageCommand(options, [](const PositionRequest& r) {
            return ProblemTextFor(r.state, options.language);
        });
    });

    bench.add_subcommand("pages", "Times the search and the page writing of fixed positions apart")
        ->callback(RunBenchPages);
}

}  // namespace mizaro::cli
