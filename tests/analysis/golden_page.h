// Pages checked byte for byte against files of code page 932 in tests/analysis/golden/.
//
// MIZARO_UPDATE_GOLDEN=1 rewrites a file from the page instead; a rewritten file is read by
// eye before it is committed.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/text_encoding.h"
#include "search_time.h"

namespace mizaro::testing {

inline void ExpectGolden(const std::string& name, const std::string& utf8) {
    const std::string path = std::string(MIZARO_TEST_SOURCE_DIR) + "/analysis/golden/" + name;
    const std::optional<std::string> bytes = Utf8ToCp932(utf8);
    ASSERT_TRUE(bytes) << name << ": the page holds a character code page 932 lacks";
    const char* update = std::getenv("MIZARO_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") {
        std::ofstream(path, std::ios::binary) << *bytes;
        return;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << path << " is missing";
    std::stringstream golden;
    golden << in.rdbuf();
    EXPECT_TRUE(golden.str() == *bytes) << name << " differs from the page; the page reads:\n"
                                        << utf8;
}

}  // namespace mizaro::testing
