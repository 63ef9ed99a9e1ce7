#include "tools/cli/cli_input.h"

#include <cstdio>
#include <iostream>
#include <map>

#include "core/shanten_table.h"
#include "platform/read_file.h"
#include "stats/game_log.h"
#include "tools/cli/commands.h"

namespace mizaro::cli {

void WarnWithoutTable() {
    if (!LoadShantenTable().opened)
        std::fprintf(stderr,
                     "warning: ShantenTable.txt was found neither here, nor beside the program, "
                     "nor in its share/mizaro folder; every shanten count is wrong without it\n");
}

void AddLanguageOption(CLI::App& command, Language& language) {
    static const std::map<std::string, Language> kCodes = {{"ja", Language::kJapanese},
                                                           {"en", Language::kEnglish}};
    command.add_option("--lang", language, "The language of the output: ja (default) or en")
        ->transform(CLI::CheckedTransformer(kCodes, CLI::ignore_case));
}

void ForEachInputLine(const std::function<void(const std::string&)>& handle) {
    std::string line;
    while (std::getline(std::cin, line)) handle(line);
    // Standard input goes through the C stream (the default synchronisation), which is where a
    // failed read is recorded.
    if (std::cin.bad() || std::ferror(stdin)) {
        std::fprintf(stderr, "error: standard input could not be read\n");
        SetExitCode(1);
    }
}

std::optional<std::vector<GameRecord>> ReadGameLogFile(const std::string& path) {
    const std::optional<std::string> text = ReadWholeFile(path);
    if (!text) {
        std::fprintf(stderr, "error: %s cannot be read\n", path.c_str());
        SetExitCode(1);
        return std::nullopt;
    }
    std::vector<GameRecord> records;
    ParseGameLog(*text, records);
    return records;
}

}  // namespace mizaro::cli
