// DrillDeck: a user's problems, which games of the log they came from, and the tallies of
// each day of practice, kept in one file in the data directory.
#pragma once

#include <limits>
#include <span>
#include <string>
#include <vector>

#include "platform/data_directory.h"
#include "stats/drill_card.h"
#include "stats/drill_harvest.h"
#include "stats/drill_problem.h"
#include "stats/game_record.h"

namespace mizaro {

inline constexpr int kNoNextId = std::numeric_limits<int>::max();

// What one day added: answers given, and games harvested with their searched losses.
struct DrillDayTally {
    int day = 0;
    int answers = 0;
    int right = 0;
    int games = 0;
    double loss = 0.0;
};

struct DrillLoadReport {
    bool unreadable = false;  // the file is there but was not read; it is kept as it is
    int damagedLines = 0;     // lines skipped
};

struct DrillDeck {
    std::string name;                    // the user, as the statistics files name it
    std::vector<DrillProblem> problems;  // ascending id
    int nextId = 0;                      // kNoNextId when a file gave out every id
    // The leading games of the log already harvested, and the record text of the last one:
    // a log that is the same with games appended resumes after it.
    int harvestedGames = 0;
    std::string lastHarvested;
    std::vector<DrillDayTally> days;  // ascending day
    // The file was there but not read at the last Load: Save never writes over it.
    std::string unreadableFile;

    // The index of the first game of `log` not yet harvested.
    int HarvestStart(std::span<const GameRecord> log) const;
    // Adds the problems of a harvest of `log` from game `firstGame` on, with fresh ids (but
    // none whose position the deck holds already), and marks its games as harvested on `day`.
    void AddHarvest(HarvestResult harvest, std::span<const GameRecord> log, int firstGame, int day);
    // Adds the problems of an imported game (TableProblems) with fresh ids, but none whose
    // position, source included, the deck holds already; the number added.
    int AddTableProblems(std::vector<DrillProblem> imported);
    // Whether a problem of the deck stands at `position`.
    bool Holds(const DrillPosition& position) const;
    // Records an answer to the problem of `card` (in the shown suits) on `day`; the grade.
    // kWrong and nothing recorded for a problem not in the deck.
    DrillGrade Answer(const DrillCard& card, TileKind discard, int day);
    DrillProblem* Find(int id);

    // Reads the drill file of `newName`; a missing file gives an empty deck. The computer has
    // no drill, nor has a name that cannot be part of a file name: both read as missing.
    DrillLoadReport Load(const std::string& newName,
                         const std::string& directory = DataDirectory());
    // Replaces the file whole; true without writing when it was found unreadable. False when
    // the write failed or the name has no drill file.
    bool Save(const std::string& directory = DataDirectory()) const;
};

// "Drill.txt" for the default user, "Drill_" + name + ".txt" for another; empty for the
// computer and for a name that cannot be part of a file name.
std::string DrillFileName(const std::string& name);

// The file's text, and the deck read back from one (with `name` and `unreadableFile` untouched).
std::string FormatDrillFile(const DrillDeck& deck);
DrillLoadReport ParseDrillFile(std::string_view text, DrillDeck& deck);

}  // namespace mizaro
