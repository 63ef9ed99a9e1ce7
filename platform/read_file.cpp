#include "platform/read_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>

namespace mizaro {

namespace {

std::mutex injectedMutex;
std::function<bool(const std::string&)> injectedFailure;

bool InjectedFailure(const std::string& path) {
    std::lock_guard<std::mutex> lock(injectedMutex);
    return injectedFailure && injectedFailure(path);
}

}  // namespace

FileContents ReadFileContents(const std::string& path) {
    FileContents result;
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        // Only "no such file" may be taken for a first start; anything else hides a file.
        const bool missing = errno == ENOENT || errno == ENOTDIR || path.empty();
        result.status = missing ? ReadStatus::kMissing : ReadStatus::kUnreadable;
        return result;
    }
    result.status = ReadStatus::kRead;
    char buffer[16384];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n > 0) {
            result.data.append(buffer, static_cast<std::size_t>(n));
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            result.status = ReadStatus::kUnreadable;  // EIO, or EISDIR for a directory
            break;
        }
    }
    close(fd);
    if (result.status == ReadStatus::kRead && InjectedFailure(path))
        result.status = ReadStatus::kUnreadable;
    if (result.status != ReadStatus::kRead) result.data.clear();
    return result;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    FileContents file = ReadFileContents(path);
    if (file.status != ReadStatus::kRead) return std::nullopt;
    return std::move(file.data);
}

void SetReadFailureForTesting(std::function<bool(const std::string& path)> fails) {
    std::lock_guard<std::mutex> lock(injectedMutex);
    injectedFailure = std::move(fails);
}

}  // namespace mizaro
