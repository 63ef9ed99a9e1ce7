// While it lives, reads of the given existing files fail as an I/O error would.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "platform/read_file.h"

namespace mizaro::testing {

class FailReadsOf {
  public:
    explicit FailReadsOf(std::vector<std::string> paths) {
        SetReadFailureForTesting([paths = std::move(paths)](const std::string& path) {
            return std::find(paths.begin(), paths.end(), path) != paths.end();
        });
    }
    ~FailReadsOf() { SetReadFailureForTesting({}); }
    FailReadsOf(const FailReadsOf&) = delete;
    FailReadsOf& operator=(const FailReadsOf&) = delete;
};

}  // namespace mizaro::testing
