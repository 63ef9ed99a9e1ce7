// mizaro-cli statpage and stattext: the statistics page and the text reports of counter files.
// With --out the file gets the bytes the program writes (code page 932 in Japanese, UTF-8 in
// English); without it, UTF-8 goes to standard output.
#include <cstdio>
#include <optional>
#include <string>

#include "app/page_output.h"
#include "platform/read_file.h"
#include "stats/counter_file.h"
#include "stats/stat_page.h"
#include "stats/stat_text.h"
#include "tools/cli/cli_input.h"
#include "tools/cli/commands.h"

namespace mizaro::cli {

namespace {

constexpr const char* kOutHelp = "Write to this file: code page 932 in Japanese, UTF-8 in English";

struct StatOptions {
    std::string user;
    std::string standard;
    std::string out;
    int kind = kStatTextAll;
    Language language = Language::kJapanese;
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

void Emit(const std::string& utf8, const std::string& out, Language language) {
    if (out.empty()) {
        std::fwrite(utf8.data(), 1, utf8.size(), stdout);
        return;
    }
    if (!WritePage(out, utf8, language)) {
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
    page->add_option("--out", options.out, kOutHelp);
    AddLanguageOption(*page, options.language);
    page->callback([] {
        std::optional<StatSummary> user = ReadCounters(options.user);
        std::optional<StatSummary> standard = ReadCounters(options.standard);
        if (user && standard)
            Emit(StatPageHtml(*user, *standard, options.language), options.out, options.language);
    });

    CLI::App* text = app.add_subcommand(
        "stattext", "Writes a statistics text report: 1 figures, 2 yaku, 3 shanten, 4 all");
    text->add_option("--kind", options.kind, "1..4")->check(CLI::Range(1, 4));
    text->add_option("USER", options.user, "The user's counter file")->required();
    text->add_option("--out", options.out, kOutHelp);
    AddLanguageOption(*text, options.language);
    text->callback([] {
        if (std::optional<StatSummary> user = ReadCounters(options.user))
            Emit(StatText(*user, options.kind, options.language), options.out, options.language);
    });
}

}  // namespace mizaro::cli
