#include "app/command_rules.h"

#include "app/language_text.h"
#include "core/kyoku_state.h"

namespace mizaro {

bool MenuCommandEnabled(const CommandState& s) {
    return !s.simRunning;
}

bool ReportKeysEnabled(const CommandState& s) {
    return !s.simRunning && s.shanten != kCompleteShanten;
}

bool NanikiruMenuEnabled(const CommandState& s) {
    return ReportKeysEnabled(s) && s.shanten <= kReportShantenLimit;
}

bool RiichiMenuEnabled(const CommandState& s) {
    return !s.simRunning && s.shanten <= 0;
}

bool TableButtonEnabled(const CommandState& s) {
    return !s.simRunning && !s.editing;
}

bool NanikiruButtonEnabled(const CommandState& s) {
    return TableButtonEnabled(s) && s.turn < kMaxTurns && NanikiruMenuEnabled(s);
}

bool RiichiButtonEnabled(const CommandState& s) {
    return TableButtonEnabled(s) && s.turn < kMaxTurns && s.shanten == 0;
}

std::string_view SimulationMenuText(bool simRunning, Language l) {
    return simRunning ? InLanguage(l, "シミュレーション終了", "Stop simulation")
                      : InLanguage(l, "シミュレーション開始", "Start simulation");
}

}  // namespace mizaro
