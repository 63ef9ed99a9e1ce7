// mizaro-cli statpage and stattext: the statistics page and the text reports of counter files.
// With --out the exact code page 932 bytes go to the file; without it, UTF-8 to standard output.
#include <cstdio>
#include <optional>
#include <string>

#include "app/page_output.h"
#include "platform/read_file.h"
#include "stats/counter_file.h"
#include "stats/stat_page.h"
#include "stats/stat_text.h"
#include "tools/cli/commands.h"

namespace mizaro::cli {

namespace {

struct StatOptions {
    std::string user;
    std::string standard;
    std::string out;
    int kind = kStatTextAll;
};

// A counter file that cannot be read is an error here: the window would show an empty summary,
// but a command asked for this file.
std::optional<StatSummary> ReadCounters(const std::string& path) {
    std::optional<std::string> text = ReadWholeFile(path);
    if (!text) {
        std::fprintf(stderr, "error: cannot read %s\n", path.c_str());
        SetExitCode(1);
        return std::nullopt;
    }
    StatSummary summary;
    ParseCounterFile(*text, summary);
    return summary;
}

void Emit(const std::string& utf8, const std::string& out) {
    if (out.empty()) {
        std::fwrite(utf8.data(), 1, utf8.size(), stdout);
        return;
    }
    if (!WritePage(out, utf8)) {
        std::fprintf(stderr, "error: cannot write %s\n", out.c_str());
        SetExitCode(1);
    }
}

}  // namespace

void AddStatCommands(CLI::App& app, CLI::App& /*bench*/) {
    static StatOptions options;
    CLI::App* page = app.add_subcommand(
        "statpage", "Writes the statistics page of a user's counter file beside a standard's");
    page->add_option("USER", options.user, "The user's counter file")->required();
    page->add_option("STANDARD", options.standard, "The standard's counter file")->required();
    page->add_option("--out", options.out, "Write code page 932 to this file");
    page->callback([] {
        std::optional<StatSummary> user = ReadCounters(options.user);
        std::optional<StatSummary> standard = ReadCounters(options.standard);
        if (user && standard) Emit(StatPageHtml(*user, *standard), options.out);
    });

    CLI::App* text = app.add_subcommand(
        "stattext", "Writes a statistics text report: 1 figures, 2 yaku, 3 shanten, 4 all");
    text->add_option("--kind", options.kind, "1..4")->check(CLI::Range(1, 4));
    text->add_option("USER", options.user, "The user's counter file")->required();
    text->add_option("--out", options.out, "Write code page 932 to this file");
    text->callback([] {
        if (std::optional<StatSummary> user = ReadCounters(options.user))
            Emit(StatText(*user, options.kind), options.out);
    });
}

}  // namespace mizaro::cli
