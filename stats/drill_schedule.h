// When a problem comes back: SM-2, the published spaced-repetition schedule of Wozniak's
// SuperMemo 2, on whole days.
//
// An answer is graded 0..5. A right one (3 or more) lengthens the interval: 1 day, then 6,
// then the last interval times the easiness factor, which the grade nudges up or down. A wrong
// one starts the repetitions again with the factor unchanged: the problem is due the next day,
// and the sitting shows it again after a few others.
#pragma once

#include <ctime>

#include "stats/drill_card.h"
#include "stats/drill_problem.h"

namespace mizaro {

// A best discard is a perfect recall (5), one within 0.5 % a recall with hesitation (4); a
// wrong one is a failed recall that was recognised once shown (1).
int AnswerQuality(DrillGrade grade);

// Records an answer given on `day`. Only the first answer of a day moves the schedule: a
// repeat within the sitting after a wrong answer is practice, the problem being due the next
// day already. Counts every answer.
void ScheduleAnswer(DrillSchedule& schedule, int quality, int day);

bool IsNew(const DrillSchedule& schedule);
bool IsDue(const DrillSchedule& schedule, int day);
// Seen, not due on `day`, and on an interval of at least six days: past SM-2's two fixed steps.
bool IsLearned(const DrillSchedule& schedule, int day);

// The local calendar day of `when`, counted from 1970-01-01.
int DrillDay(std::time_t when);

}  // namespace mizaro
