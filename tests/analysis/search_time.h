// The search time a page shows differs from run to run; pages under test show it as 0.
#pragma once

#include <string>

namespace mizaro::testing {

inline std::string WithoutSearchTime(std::string page) {
    const std::string label = "計算時間　";
    const std::size_t at = page.find(label);
    if (at == std::string::npos) return page;
    const std::size_t from = at + label.size();
    const std::size_t to = page.find(" 秒", from);
    if (to != std::string::npos) page.replace(from, to - from, "     0.000");
    return page;
}

}  // namespace mizaro::testing
