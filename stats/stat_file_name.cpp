#include "stats/stat_file_name.h"

#include "stats/user_name.h"

namespace mizaro {

std::string StatFileName(const std::string& name, bool isLog) {
    const char* ext = isLog ? ".log" : ".txt";
    if (name == kComputerStatName) return std::string(kComputerStatName) + ext;
    if (name == kDefaultUserName) return std::string("StatMan") + ext;
    if (!IsValidUserName(name)) return {};
    return "StatMan_" + name + ext;
}

}  // namespace mizaro
