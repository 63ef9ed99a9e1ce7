// The display choices a player who does not read Japanese needs: the language of the window
// and numerals on the tiles. They live in a small file of their own beside the settings file,
// so that file keeps exactly the lines earlier versions wrote and read.
#pragma once

#include <string>
#include <string_view>

#include "core/language.h"

namespace mizaro {

inline constexpr const char* kDisplaySettingsFileName = "Display.ini";

// The stored numbers: 0 follows the system's locale.
enum class LanguageChoice : int { kSystem = 0, kJapanese = 1, kEnglish = 2 };

struct DisplaySettings {
    std::string path;  // the file read and written
    LanguageChoice language = LanguageChoice::kSystem;
    bool tileNumbers = false;  // a numeral or letter in a corner of every tile
};

// The language a choice stands for; `systemLanguage` is what the system's locale asks for.
Language ChosenLanguage(LanguageChoice choice, Language systemLanguage);

// "Language<TAB>n" and "TileNumbers<TAB>0|1" lines; reading skips what it does not know and
// keeps the current value for anything out of range, so a damaged file costs nothing.
std::string FormatDisplaySettings(const DisplaySettings& settings);
void ParseDisplaySettings(std::string_view text, DisplaySettings& settings);

// Defaults, then the file at `settings.path` over them when it can be read.
void LoadDisplaySettings(DisplaySettings& settings);
// Replaces the file whole or not at all; false on failure.
bool SaveDisplaySettings(const DisplaySettings& settings);

}  // namespace mizaro
