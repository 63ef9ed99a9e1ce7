// What the line-reading commands of mizaro-cli share: the table check and the input loop.
#pragma once

#include <functional>
#include <string>

namespace mizaro::cli {

// Every count is wrong without the shanten table, so a command that counts says so once.
void WarnWithoutTable();

// Calls `handle` with each line of standard input. A failed read is reported on standard
// error and makes the exit code 1.
void ForEachInputLine(const std::function<void(const std::string&)>& handle);

}  // namespace mizaro::cli
