// Reads a whole file into memory; the program's files are small text files. Every file the
// program reads goes through here, so a reader can tell a file that is not there from one that
// is there but could not be read: only the first may be replaced by a fresh one.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace mizaro {

enum class ReadStatus { kRead, kMissing, kUnreadable };

struct FileContents {
    ReadStatus status = ReadStatus::kMissing;
    std::string data;  // the whole file when read
};

// kMissing when no file has that path; kUnreadable when one does but could not be opened or
// read whole (permissions, an I/O error, a directory).
FileContents ReadFileContents(const std::string& path);

// Nothing when the file is missing or could not be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// For tests: reads of existing files whose path `fails` accepts fail as an I/O error would, so
// the failure does not depend on the permissions of the user running them. Empty to stop.
void SetReadFailureForTesting(std::function<bool(const std::string& path)> fails);

}  // namespace mizaro
