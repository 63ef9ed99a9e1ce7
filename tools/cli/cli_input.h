// What the reading commands of mizaro-cli share: the table check, the input loop, the game log.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "core/language.h"
#include "stats/game_record.h"

namespace mizaro::cli {

// Every count is wrong without the shanten table, so a command that counts says so once.
void WarnWithoutTable();

// Calls `handle` with each line of standard input. A failed read is reported on standard
// error and makes the exit code 1.
void ForEachInputLine(const std::function<void(const std::string&)>& handle);

// Adds `--lang ja|en` to a command that writes a page or a text; Japanese when not given.
void AddLanguageOption(CLI::App& command, Language& language);

// The records of a game log file, oldest first; nothing (reported, exit code 1) when the file
// cannot be read.
std::optional<std::vector<GameRecord>> ReadGameLogFile(const std::string& path);

}  // namespace mizaro::cli
