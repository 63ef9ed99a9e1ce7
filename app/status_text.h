// The two texts of the table: the status line with the player's results and the shanten of the
// three hand forms.
#pragma once

#include <string>

#include "core/language.h"
#include "core/shanten.h"

namespace mizaro {

// Games, wins with their rate in percent, and the mean points per game; both ratios are 0
// before the first game.
std::string StatusLine(int games, int wins, double winPoints,
                       Language language = Language::kJapanese);

// The status line during a simulation: `line` followed by the milliseconds per game.
std::string SimulationStatusLine(const std::string& line, double msPerGame);

// The milliseconds per game since a simulation started: at `startMs` with `startGames` games
// recorded; 0 before the first game.
double MsPerGame(int nowMs, int startMs, int games, int startGames);

// The text of an exhausted game's message: ready, or how far from it.
std::string ExhaustedText(int shanten, Language language = Language::kJapanese);

inline constexpr const char* kEditStatusLine = "編集モード";
const char* EditStatusLine(Language language);

// The regular, seven-pairs and thirteen-orphans shanten, or question marks when hidden.
std::string InfoText(bool showShanten, const ShantenResult& shanten,
                     Language language = Language::kJapanese);

}  // namespace mizaro
