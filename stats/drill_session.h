// DrillSession: one sitting of practice, driven by the window.
//
// The sitting shows the problems due first, then new ones up to the day's allowance. The
// window asks for the current problem, prepares its card off the interface thread
// (PrepareCard searches), shows it and hands the answer back; a wrong answer brings the
// problem back after a few others.
#pragma once

#include <deque>

#include "stats/drill_card.h"
#include "stats/drill_deck.h"

namespace mizaro {

struct DrillOptions {
    int newPerDay = 20;  // new problems a day may bring, counting those of earlier sittings
    int retryAfter = 3;  // problems shown before a wrong one comes back
};

// Every problem is exactly one of these on a day.
struct DrillStatus {
    int due = 0;
    int fresh = 0;     // never answered
    int learned = 0;   // see IsLearned
    int learning = 0;  // answered, not due, on a short interval
};

DrillStatus CountStatus(const DrillDeck& deck, int day);

class DrillSession {
  public:
    DrillSession(const DrillDeck& deck, int day, const DrillOptions& options = {});

    // The id of the problem to show, or -1 when the sitting is over.
    int Current() const { return queue_.empty() ? -1 : queue_.front(); }
    int Remaining() const { return static_cast<int>(queue_.size()); }
    // Grades the answer to the card of the current problem, records it in `deck` and moves
    // on. kWrong and no change when the card is not the current problem's.
    DrillGrade Answer(DrillDeck& deck, const DrillCard& card, TileKind discard);

  private:
    std::deque<int> queue_;
    int day_;
    DrillOptions options_;
};

}  // namespace mizaro
