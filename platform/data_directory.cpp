#include "platform/data_directory.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/program_directory.h"

namespace mizaro {

namespace {

constexpr const char* kAppFolder = "mizaro";

bool IsWritableDirectory(const std::string& dir) {
    return !dir.empty() && access(dir.c_str(), W_OK | X_OK) == 0;
}

std::string WithSlash(std::string dir) {
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

}  // namespace

std::string ChooseDataDirectory(const std::string& programDirectory, const char* xdgDataHome,
                                const char* home, bool installed) {
    if (!installed && IsWritableDirectory(programDirectory)) return WithSlash(programDirectory);
    std::string base;
    // Relative values of XDG_DATA_HOME are invalid and must be ignored.
    if (xdgDataHome && xdgDataHome[0] == '/')
        base = xdgDataHome;
    else if (home && home[0] != '\0')
        base = WithSlash(home) + ".local/share";
    if (base.empty()) return programDirectory;
    std::filesystem::path dir = std::filesystem::path(base) / kAppFolder;
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (!IsWritableDirectory(dir.string())) return programDirectory;
    return WithSlash(dir.string());
}

std::string DataDirectory() {
    const std::string program = ProgramDirectory();
    return ChooseDataDirectory(program, std::getenv("XDG_DATA_HOME"), std::getenv("HOME"),
                               !InstalledShareDirectory(program).empty());
}

}  // namespace mizaro
