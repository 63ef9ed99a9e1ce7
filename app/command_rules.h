// When the window's commands are enabled: functions of the game and window state, so the rules
// are checked without a screen and the window only applies them.
#pragma once

#include <string_view>

#include "core/language.h"

namespace mizaro {

struct CommandState {
    bool simRunning = false;
    bool editing = false;
    int shanten = 6;  // the least of the three forms, of the hand on the table
    int turn = 1;
};

// The what-to-discard reports need a hand at most three steps from ready.
inline constexpr int kReportShantenLimit = 3;
// The shanten of a complete hand, which has no discard left to rate.
inline constexpr int kCompleteShanten = -1;

// Menu items that change the game, the settings or the statistics.
bool MenuCommandEnabled(const CommandState& s);
// The keys of the what-to-discard reports and the problem text: a hand too far from ready is
// refused with a message, but a complete one would only give an empty page.
bool ReportKeysEnabled(const CommandState& s);
// 何切る？ and 何切る？(手変わり) in the menu.
bool NanikiruMenuEnabled(const CommandState& s);
// リーチ？ in the menu.
bool RiichiMenuEnabled(const CommandState& s);
// The buttons beside the table that act on the game or the files: off during a simulation and
// in edit mode.
bool TableButtonEnabled(const CommandState& s);
// The two analysis buttons also need a turn to come after this one, so not at turn 18. They
// stay off in edit mode, whatever the hand shows.
bool NanikiruButtonEnabled(const CommandState& s);
bool RiichiButtonEnabled(const CommandState& s);

std::string_view SimulationMenuText(bool simRunning, Language language = Language::kJapanese);

}  // namespace mizaro
