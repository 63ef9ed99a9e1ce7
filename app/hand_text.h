// A position as one line of hand notation, the form people paste everywhere and mizaro-cli
// reads: "123m456p789s112z2z dora=5p". The tile written last is the one just drawn, so a
// 14-tile hand keeps its draw through a copy and a read; "dora=" gives the dora indicator.
// The hand may be written as players write it: "123M 406p 789s 1122z" (0 is a red five).
#pragma once

#include <string>
#include <string_view>

#include "core/kyoku_state.h"
#include "core/language.h"

namespace mizaro {

// The hand of `state` (the drawn tile last when it holds 14) and its indicator, if any.
std::string FormatHandText(const KyokuState& state);

struct HandTextRead {
    bool ok = false;
    std::string reason;  // why the text was refused, in the window's language: what and where
};

// Reads a 13- or 14-tile hand with an optional "dora=<tile>" as a new game in the mode of
// `state`: turn 1, no discards, the wall being the mode's wall less the hand and the indicator.
// On refusal `state` is unchanged; the reason is in `language`.
HandTextRead ParseHandText(std::string_view text, KyokuState& state,
                           Language language = Language::kJapanese);

}  // namespace mizaro
