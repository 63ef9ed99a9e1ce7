// The game log of a summary: the number of records on the first line, then one encoded record
// (53 characters) per line, oldest first.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "stats/game_record.h"

namespace mizaro {

struct GameLogReport {
    int declared = 0;  // the count on the first line (0 when it is not a number)
    int tooLong = 0;   // tokens longer than a record, skipped
    bool countMissing = false;
};

// Encodes every record that has no text yet and writes them all.
std::string FormatGameLog(std::vector<GameRecord>& records);

// Replaces `records` with the records of the log. A count larger than the lines ends with the
// lines there are, a smaller one leaves the rest unread; a token longer than a record cannot be
// one and is skipped (it still counts against the declared number).
GameLogReport ParseGameLog(std::string_view text, std::vector<GameRecord>& records);

}  // namespace mizaro
