#include "stats/drill_schedule.h"

#include <algorithm>
#include <cmath>

namespace mizaro {

namespace {

constexpr int kPassQuality = 3;
constexpr double kMinEasiness = 1.3;
constexpr int kFirstInterval = 1;
constexpr int kSecondInterval = 6;
constexpr int kSecondsPerDay = 24 * 60 * 60;

}  // namespace

int AnswerQuality(DrillGrade grade) {
    switch (grade) {
        case DrillGrade::kBest:
            return 5;
        case DrillGrade::kClose:
            return 4;
        case DrillGrade::kWrong:
            break;
    }
    return 1;
}

void ScheduleAnswer(DrillSchedule& s, int quality, int day) {
    ++s.answers;
    if (quality < kPassQuality) ++s.wrong;
    if (s.firstDay < 0) s.firstDay = day;
    const bool firstToday = s.lastDay != day;
    s.lastDay = day;
    if (!firstToday) return;
    if (quality < kPassQuality) {
        s.repetitions = 0;
        s.interval = kFirstInterval;
    } else {
        s.interval = s.repetitions == 0   ? kFirstInterval
                     : s.repetitions == 1 ? kSecondInterval
                                          : static_cast<int>(std::lround(s.interval * s.easiness));
        ++s.repetitions;
        const int miss = 5 - quality;
        s.easiness = std::max(kMinEasiness, s.easiness + 0.1 - miss * (0.08 + miss * 0.02));
    }
    s.due = day + s.interval;
}

bool IsNew(const DrillSchedule& s) {
    return s.answers == 0;
}

bool IsDue(const DrillSchedule& s, int day) {
    return !IsNew(s) && s.due <= day;
}

bool IsLearned(const DrillSchedule& s, int day) {
    return !IsNew(s) && !IsDue(s, day) && s.interval >= kSecondInterval;
}

int DrillDay(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    // timegm reads the local fields as UTC, so whole days since the epoch fall out.
    return static_cast<int>(timegm(&local) / kSecondsPerDay);
}

}  // namespace mizaro
