#include "platform/atomic_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <optional>

namespace mizaro {

namespace {

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        ssize_t n = write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// A name beside the target that no other writer in this or another process uses at the same
// time: a prefix, the writer's process id, "-", a counter and a suffix. It does not grow with
// the target's name: a target whose name is near the file-name limit must still be writable.
std::string TemporaryName(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    char name[64];
    std::snprintf(name, sizeof name, ".mizaro%ld-%u.tmp", static_cast<long>(getpid()),
                  counter.fetch_add(1));
    const std::size_t slash = path.find_last_of('/');
    return (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + name;
}

bool AllDigits(std::string_view s) {
    if (s.empty() || s.size() > 10) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

constexpr std::string_view kTemporaryPrefix = ".mizaro";
constexpr std::string_view kTemporarySuffix = ".tmp";

// "<pid>-<counter>" as a process id, or nothing.
std::optional<long> WriterOf(std::string_view idAndCounter) {
    const std::size_t dash = idAndCounter.find('-');
    if (dash == std::string_view::npos) return std::nullopt;
    const std::string_view pid = idAndCounter.substr(0, dash);
    if (!AllDigits(pid) || !AllDigits(idAndCounter.substr(dash + 1))) return std::nullopt;
    return std::stol(std::string(pid));
}

// The process id in a name TemporaryName made, or nothing for any other name. Earlier versions
// named the temporary file after its target ("<target>.tmp<pid>-<counter>"); a crash may have
// left such a file too.
std::optional<long> TemporaryWriter(std::string_view name) {
    if (name.starts_with(kTemporaryPrefix) && name.ends_with(kTemporarySuffix)) {
        return WriterOf(name.substr(kTemporaryPrefix.size(), name.size() - kTemporaryPrefix.size() -
                                                                 kTemporarySuffix.size()));
    }
    const std::size_t mark = name.rfind(kTemporarySuffix);
    if (mark == std::string_view::npos || mark == 0) return std::nullopt;
    return WriterOf(name.substr(mark + kTemporarySuffix.size()));
}

bool ProcessRuns(long pid) {
    // EPERM: it runs under another user.
    return pid > 0 && (kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view contents) {
    if (path.empty()) return false;
    std::string temp = TemporaryName(path);
    // The creation mode lets the umask decide, as for any new file; an existing target keeps
    // its own permissions below.
    int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    struct stat old {};
    bool ok = true;
    if (stat(path.c_str(), &old) == 0) ok = fchmod(fd, old.st_mode & 07777) == 0;
    ok = ok && WriteAll(fd, contents) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) unlink(temp.c_str());
    return ok;
}

int RemoveStaleTemporaries(const std::string& directory) {
    namespace fs = std::filesystem;
    std::error_code ec;
    int removed = 0;
    for (fs::directory_iterator it(directory, ec), end; !ec && it != end; it.increment(ec)) {
        const std::optional<long> writer = TemporaryWriter(it->path().filename().string());
        if (!writer || *writer == getpid() || ProcessRuns(*writer)) continue;
        std::error_code kindError;
        if (!it->is_regular_file(kindError)) continue;
        if (unlink(it->path().c_str()) == 0) ++removed;
    }
    return removed;
}

}  // namespace mizaro
