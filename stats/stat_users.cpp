#include "stats/stat_users.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "stats/stat_file_name.h"
#include "stats/user_name.h"

namespace mizaro {

namespace {

constexpr std::string_view kUserPrefix = "StatMan_";
constexpr std::string_view kCounterExtension = ".txt";

}  // namespace

std::vector<std::string> ListStatUsers(const std::string& directory) {
    std::vector<std::string> users;
    std::error_code ec;
    std::filesystem::directory_iterator it(directory, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        std::string file = it->path().filename().string();
        if (file.size() <= kUserPrefix.size() + kCounterExtension.size()) continue;
        if (!file.starts_with(kUserPrefix) || !file.ends_with(kCounterExtension)) continue;
        std::error_code typeEc;
        if (!it->is_regular_file(typeEc)) continue;
        std::string user = file.substr(kUserPrefix.size(),
                                       file.size() - kUserPrefix.size() - kCounterExtension.size());
        // "StatMan_StatCom.txt" and "StatMan_default.txt" are no user's files: those two names
        // open the computer's and the default user's, and deleting the entry would remove them.
        if (IsValidUserName(user) && StatFileName(user, false) == file) users.push_back(user);
    }
    // Directory order differs from one file system to the next; the list should not.
    std::sort(users.begin(), users.end());
    return users;
}

bool DeleteUserFiles(const std::string& name, const std::string& directory) {
    if (name == kDefaultUserName || name == kComputerStatName) return false;
    std::string counterName = StatFileName(name, false);
    if (counterName.empty()) return false;
    std::error_code ec;
    std::filesystem::remove(directory + StatFileName(name, true), ec);
    bool logGone = !ec;
    std::filesystem::remove(directory + counterName, ec);
    return logGone && !ec;
}

}  // namespace mizaro
