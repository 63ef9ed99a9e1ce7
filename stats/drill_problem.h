// DrillProblem: one costly discard of the player's own games, kept to be practised.
//
// A problem is the position as the player faced it (the 14 tiles after the draw, the game's
// mode and what left its wall), the discard made and what every discard the search offers is
// worth there, plus the schedule of its practice. The values are those of the game review, so
// a problem never disagrees with the review of its game.
#pragma once

#include <array>
#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "core/kyoku_state.h"

namespace mizaro {

// One discard of a problem's position, valued at the next draw as the review values it.
struct DrillCandidate {
    TileKind discard = kNoTile;
    double value = 0.0;  // expected points
    double win = 0.0;    // chance to win, 0..1
    double ready = 0.0;  // chance to be ready, 0..1
};

// The first dora indicator and one for each of four kans.
inline constexpr int kMaxDoraIndicators = 5;

// What a position met at a four-player table holds beyond a solo one. Its wall is every tile
// the player had not seen rather than what a solo game's discards leave, so it is kept whole,
// with the seat that scores the win; the earlier discards are not kept.
struct DrillTable {
    TileKind roundWind = kEast;
    TileKind seatWind = kEast;
    bool dealer = true;
    TileCounts unseen{};
    // The indicators turned over after the first (DrillPosition::doraIndicator), in order.
    std::vector<TileKind> laterIndicators;
    // Where it was met: the game as the player names it (its log's file name or title), the
    // hand (the dealer's number in the round, 1..4) and the player's discard in that hand.
    std::string source;
    int kyoku = 1;
    int discardNumber = 1;

    bool operator==(const DrillTable&) const = default;
};

// The position: everything a search of it needs and a window shows.
struct DrillPosition {
    int mode = kModeNormal;
    int turn = 1;       // the turn whose discard is asked, 1..18; the turn searched at a table
    TileCounts hand{};  // 14 tiles, the drawn one included
    TileKind drawn = kNoTile;
    TileKind doraIndicator = kNoTile;
    std::vector<TileKind> discards;   // the turn - 1 discards before, in order; none at a table
    std::optional<DrillTable> table;  // a position from a four-player game

    bool operator==(const DrillPosition&) const = default;
};

// SM-2 state of one problem, in day numbers (see DrillDay).
struct DrillSchedule {
    int repetitions = 0;    // right answers in a row, counted once a day
    double easiness = 2.5;  // SM-2's easiness factor, never below 1.3
    int interval = 0;       // days until the next showing
    int due = 0;            // the day it is due; meaningless while `answers` is 0
    int answers = 0;        // every answer, the repeats within a sitting included
    int wrong = 0;          // the wrong ones among them
    int lastDay = -1;       // the day of the last answer; -1 never
    int firstDay = -1;      // the day of the first answer; -1 never
};

struct DrillProblem {
    int id = 0;    // unique within a user's drill, never reused
    int game = 0;  // index of its game in the user's log, 0 = oldest; 0 for a table position
    DrillPosition position;
    TileKind made = kNoTile;
    // Ascending by discard: the search's candidates and the discard made.
    std::vector<DrillCandidate> candidates;
    std::array<bool, kKinds> best{};
    double madeValue = 0.0;
    double bestValue = 0.0;
    double loss = 0.0;
    DrillSchedule schedule;
};

// The state the review searched: the hand after the draw, the wall of the mode less every tile
// seen (at a table: the unseen tiles, with the table's winds, dealer flag, indicators and pool),
// no riichi. False when the position cannot be (tiles beyond the wall, a bad turn).
bool BuildProblemState(const DrillPosition& position, KyokuState& state);

// Every dora indicator of the position, in the order turned over.
std::vector<TileKind> DoraIndicators(const DrillPosition& position);

// Every candidate the search gives for `state` (14 tiles), plus `made` valued on its own when
// the search leaves it out, with the settings of the game review. Ascending by discard. None
// once `stop` is set: the searches then end soon.
std::vector<DrillCandidate> SearchCandidates(const KyokuState& state, TileKind made,
                                             const std::atomic<bool>* stop = nullptr);

// The discards worth the most among `candidates`, with the review's tolerance for ties.
std::array<bool, kKinds> BestDiscards(const std::vector<DrillCandidate>& candidates);

// nullptr when `discard` has no value in the problem.
const DrillCandidate* FindCandidate(const std::vector<DrillCandidate>& candidates,
                                    TileKind discard);

}  // namespace mizaro
