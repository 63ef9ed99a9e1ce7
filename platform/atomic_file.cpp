#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>

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
// time. It does not grow with the target's name: a target whose name is near the file-name
// limit must still be writable.
std::string TemporaryName(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    char name[64];
    std::snprintf(name, sizeof name, ".mizaro%ld-%u.tmp", static_cast<long>(getpid()),
                  counter.fetch_add(1));
    const std::size_t slash = path.find_last_of('/');
    return (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + name;
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

}  // namespace mizaro
