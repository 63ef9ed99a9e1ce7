#include "app/play_clock.h"

#include <gtest/gtest.h>

namespace mizaro {
namespace {

TEST(PlayClockTest, CountsOnlyTheTimeBetweenWaits) {
    int now = 1000;
    PlayClock clock([&] { return now; });
    clock.Start();
    const struct {
        int at;
        void (PlayClock::*step)();  // nullptr: only read
        int played;
    } steps[] = {
        {1040, nullptr, 40},
        {1040, &PlayClock::Pause, 40},
        {9000, nullptr, 40},  // a box open for eight seconds
        {9500, &PlayClock::Pause, 40},
        {9500, &PlayClock::Resume, 40},
        {9510, &PlayClock::Resume, 50},
        {9520, &PlayClock::Start, 0},
    };
    for (const auto& s : steps) {
        now = s.at;
        if (s.step != nullptr) (clock.*s.step)();
        EXPECT_EQ(clock.PlayedMs(), s.played) << "at " << s.at;
    }
}

}  // namespace
}  // namespace mizaro
