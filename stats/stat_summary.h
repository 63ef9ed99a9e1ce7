// StatSummary: the counters of one player (the user or the computer) and the records of the
// games behind them. The counters keep the names of their keys in the counter file; the rates
// shown to the player are derived from them by the readers.
#pragma once

#include <array>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "core/kyoku_state.h"
#include "core/yaku_han.h"
#include "platform/data_directory.h"
#include "stats/game_record.h"

namespace mizaro {

struct StatSummary {
    std::string name;       // "StatCom", "default" or a user name; selects the files
    int N = 0;              // games recorded
    int nAgari = 0;         // games won
    int AgariJun = 0;       // sum of the winning turns
    double AgariTen = 0.0;  // sum of the points of the wins
    int TenpaiJun = 0;      // sum of the first ready turns of games won or ending ready
    int nNoten = 0;         // games ending exhausted and not ready
    int nReach = 0;         // games with riichi
    int ReachJun = 0;       // sum of their riichi turns
    int NoReach = 0;        // games won without riichi
    std::array<int, kYakuCount> yakuCount{};  // won games in which each yaku scored
    std::array<int, kMaxTurns> Shanten{};     // slot k: sum of positive shanten after turn k+1
    std::vector<GameRecord> records;          // oldest first
    int simStartClock = 0;
    int simStartN = 0;
    // Paths of this summary's files that exist but were not read at the last Load. What
    // is in memory is then not what is on disk, so Save never writes over them; Reset keeps
    // them, so erasing the data in memory cannot wipe the file either.
    std::vector<std::string> unreadableFiles;
    // The log whose games were counted again at the last Load because its counter file was
    // missing; empty when the counters were read (or there was nothing to count).
    std::string restoredFrom;

    // Counters and records to zero; the name and the simulation marks stay.
    void Reset();

    // Adds one finished game: won when `turn` <= 18, exhausted when it is 19. Evaluates the win
    // on its own copy of the state. False (and nothing recorded) for a turn outside 1..19.
    bool RecordGame(KyokuState state, GameRecord record);

    // The counters (with the name, the simulation marks and the unreadable files) of `other`,
    // not its records.
    void CopyCounters(const StatSummary& other);
    void DecodeAll();

    // Reads the counter file and the game log of `newName` from `directory`. A file that
    // cannot be opened leaves the summary empty, as does a name that cannot be a file name.
    // A counter file that exists but cannot be read puts both files in `unreadableFiles` (the
    // log is then not read either); a log that cannot be read puts the log there. A log whose
    // counter file is missing gives the counters again, replayed from its games (`restoredFrom`
    // names it); when any of its games cannot be replayed it is kept unread in
    // `unreadableFiles` instead.
    void Load(const std::string& newName, const std::string& directory = DataDirectory());
    // Writes the counter file, then the log; each replaces its file whole or not at all. Files
    // in `unreadableFiles` are left as they are, and that is not a failure: the player is told
    // when they are found. False when a write failed or the name cannot be a file name.
    bool Save(const std::string& directory = DataDirectory());
    // Writes the counter file alone under a name made from the local time `when`,
    // "StatCom" + YYYYMMDDhhmmss + ".txt", in `directory` (the working directory by default).
    // Later snapshots of the same second are named "..._2.txt", "..._3.txt" and so on, so none
    // replaces another. False when it could not be written; the caller then keeps the counters
    // rather than clearing them unsaved.
    bool SaveSnapshot(const std::string& directory = "", std::time_t when = std::time(nullptr));

  private:
    // Counts every game of the log into fresh counters. False (and no change) when a game
    // cannot be replayed from its record.
    bool RebuildFromLog(std::string_view log);
};

// The turn after whose discard the hand was first ready: 1 + the leading run of positive
// `shantenAfter` slots.
int FirstReadyTurn(const KyokuState& state);

}  // namespace mizaro
