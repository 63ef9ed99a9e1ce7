// Position files (".qtw"): the part of a game a player keeps or sets up, in five lines:
//   1  turn and the last drawn kind ("%d %d")
//   2  the wall count of each of the 34 kinds, one digit each
//   3  the hand count of each kind, one digit each
//   4  the dora count of each kind, one digit each (the indicator is the kind before the
//      lowest kind with a dora count)
//   5  the discards of turns 1..18, two characters each: "00".."33", or "-1" for none
// White space between fields is a separator. A file is checked as a whole before it changes
// the game: one from elsewhere must not put the state where its invariants fail.
#pragma once

#include <string>
#include <string_view>

#include "core/kyoku_state.h"
#include "core/language.h"

namespace mizaro {

inline constexpr const char* kPositionExtension = ".qtw";

struct PositionReadResult {
    bool ok = false;
    std::string reason;  // for the player when refused, e.g. "局面ファイルが壊れています（…）"
};

std::string FormatPosition(const KyokuState& state);
// False when the file could not be written; the previous file then stays.
bool WritePositionFile(const std::string& path, const KyokuState& state);

// On success the state is `Reset` (its mode stays) and takes the position; on refusal it is
// unchanged. The reason is in `language`.
PositionReadResult ParsePosition(std::string_view text, KyokuState& state,
                                 Language language = Language::kJapanese);
PositionReadResult ReadPositionFile(const std::string& path, KyokuState& state,
                                    Language language = Language::kJapanese);

}  // namespace mizaro
