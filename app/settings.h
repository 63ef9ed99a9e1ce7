// The settings object: every persistent option of the program, kept in "QTW.ini" in the data
// directory as one "key<TAB>value" line per field. The fields keep the names of their keys.
#pragma once

#include <string>
#include <string_view>

#include "core/yaku_han.h"

namespace mizaro {

inline constexpr const char* kSettingsFileName = "QTW.ini";
inline constexpr int kSettingsKeyCount = 22;

struct Settings {
    std::string path;  // the file the object is read from and written to
    // The file exists but could not be read: the defaults in memory are not what it holds, so
    // it is never written over.
    bool fileUnreadable = false;

    int X = 0;  // screen position of the main window's top left corner
    int Y = 0;
    int Shanten = 1;        // 1 = the shanten numbers show in the info text
    int Result = 1;         // 1 = end-of-game message boxes
    int SimInt = 0;         // pause in milliseconds after each simulated draw
    int SimDisp = 1;        // 1 = repaint during the simulation
    int SimShan = 2;        // the computer's search level 1..3
    int SimClear = 0;       // games between snapshots of the computer's statistics; 0 = never
    int NanikiruDepth = 1;  // 1..5, depth of the what-to-discard report
    std::string UserName = "default";
    int Assist = 0;        // -1..3: the assist marks show at this 14-tile shanten or less; -1 = off
    int AnaSelectTab = 0;  // the page of the detailed-analysis window last shown
    int FilterKyoku = 1000;  // the number of most recent games the detailed analysis keeps
    int FilterHai1 = -1;     // bounds -1..6 of the shanten after the first draw
    int FilterHai2 = 6;
    int FilterLast1 = -1;  // bounds -1..6 of the shanten after the 18th draw
    int FilterLast2 = 6;
    int FilterReach1 = 1;                                   // 1 = games with riichi are taken
    int FilterReach0 = 1;                                   // 1 = games without riichi are taken
    int FilterMode = 0;                                     // the GameMode a game must have
    int FilterYakuMode = 0;                                 // 0 = AND, 1 = OR of the selected yaku
    std::string FilterYaku = std::string(kYakuCount, '0');  // '1' per selected YakuId

    // Every field to its default; the path and whether its file could be read stay.
    void ResetToDefaults();
};

// The settings file of this installation: the data directory followed by "QTW.ini".
std::string SettingsFilePath();

// What a read found, for tools that report on a file.
struct SettingsReport {
    bool opened = false;
    int keysRead = 0;
    int tokensSkipped = 0;  // foreign tokens, and values that were not numbers
    int valuesRefused = 0;  // values out of their range, and user names that cannot be one
};

// Sets the defaults, then reads the file at `settings.path` over them. A missing file leaves
// the defaults; so does one that cannot be read, which also sets `fileUnreadable`.
SettingsReport LoadSettings(Settings& settings);
// Writes all 22 lines; the file is replaced whole or not at all. False on failure. A file
// that could not be read is left alone, and that is not a failure: the player is told when it
// is found.
bool SaveSettings(const Settings& settings);

// The file's text, and reading a text over the current fields (the parts of the two above).
std::string FormatSettings(const Settings& settings);
SettingsReport ParseSettings(std::string_view text, Settings& settings);

}  // namespace mizaro
