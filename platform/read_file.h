// Reads a whole file into memory; the program's files are small text files.
#pragma once

#include <optional>
#include <string>

namespace mizaro {

// Nothing when the file cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::string& path);

}  // namespace mizaro
