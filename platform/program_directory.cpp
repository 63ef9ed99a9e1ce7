#include "platform/program_directory.h"

#include <filesystem>
#include <system_error>

namespace mizaro {

std::string ProgramDirectory() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty()) return {};
    std::string dir = exe.parent_path().string();
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

std::string InstalledShareDirectory(const std::string& programDirectory) {
    if (programDirectory.empty()) return {};
    // Written without the "..", so messages and tests show the folder itself.
    std::filesystem::path share =
        (std::filesystem::path(programDirectory) / kShareFromProgram).lexically_normal();
    std::error_code ec;
    if (!std::filesystem::is_directory(share, ec)) return {};
    std::string dir = share.string();
    if (dir.back() != '/') dir += '/';
    return dir;
}

std::string InstalledShareDirectory() {
    return InstalledShareDirectory(ProgramDirectory());
}

}  // namespace mizaro
