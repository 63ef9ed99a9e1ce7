// Positions for the search tests, written as analysis request lines.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "analysis/position_line.h"
#include "core/hand_notation.h"
#include "core/kyoku_state.h"

namespace mizaro {

inline KyokuState Position(const std::string& line) {
    PositionRequest request = ParsePositionLine(line);
    EXPECT_TRUE(request.ok()) << line << ": " << request.error;
    return request.state;
}

// The 13-tile position left by discarding `discard` from a request line's hand.
inline KyokuState After(const std::string& line, const char* discard) {
    KyokuState s = Position(line);
    EXPECT_TRUE(s.RemoveFromHand(ParseTile(discard), false));
    return s;
}

}  // namespace mizaro
