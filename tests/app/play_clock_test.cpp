#include "app/play_clock.h"

#include <gtest/gtest.h>

namespace mizaro {
namespace {

TEST(PlayClockTest, CountsOnlyTheTimeOutsideWaits) {
    int now = 1000;
    PlayClock clock([&] { return now; });
    clock.Start();
    now = 1040;
    {
        const PlayClock::Wait box(clock);
        now = 9000;
        EXPECT_EQ(clock.PlayedMs(), 40);
    }
    now = 9010;
    EXPECT_EQ(clock.PlayedMs(), 50);
    clock.Start();
    EXPECT_EQ(clock.PlayedMs(), 0);
}

}  // namespace
}  // namespace mizaro
