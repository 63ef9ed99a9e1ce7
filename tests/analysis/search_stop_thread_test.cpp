// The stop of a search: set from another thread it ends a long analysis at once and leaves
// nothing behind; never set, it changes no value.
#include <gtest/gtest.h>

#include <atomic>
#include <bit>
#include <chrono>
#include <thread>

#include "analysis/nanikiru_search.h"
#include "analysis/problem_text.h"
#include "analysis/report_page.h"
#include "analysis/riichi_analysis.h"
#include "search_test_util.h"

namespace mizaro {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Three from ready at the first draw: with slack 2 its analysis runs for many seconds.
constexpr const char* kLongAnalysis = "24688m3579p13479s turn=1";

TEST(SearchStopThreadTest, AStopFromAnotherThreadEndsALongAnalysisAtOnce) {
    std::atomic<bool> stop{false};
    NanikiruSearch top(Position(kLongAnalysis), true, true, 2);
    top.SetStop(&stop);
    std::atomic<Clock::rep> stoppedAt{0};
    std::thread stopper([&] {
        std::this_thread::sleep_for(200ms);
        stoppedAt.store(Clock::now().time_since_epoch().count());
        stop.store(true);
    });
    top.AnalyzeDiscards();
    const Clock::time_point returned = Clock::now();
    stopper.join();
    const auto late = returned - Clock::time_point(Clock::duration(stoppedAt.load()));
    EXPECT_LT(late, 300ms) << "a sanitizer build is slower, yet a node is microseconds";
    EXPECT_TRUE(top.stopped());
    EXPECT_TRUE(top.CandidateNodes().empty());
    EXPECT_EQ(top.evaluated()[kPositionTotal], 0);
}

// The same searches with a stop never set and without one: every value bit for bit, and the
// same number of positions.
TEST(SearchStopThreadTest, AStopNeverSetChangesNothing) {
    const struct {
        const char* line;
        int slack;
    } cases[] = {
        {"123m456p79s35m11z27z turn=5 dora=3m", 1},
        {"1235m4678p2469s17z turn=12 dora=1s", 0},
        {"123m456p789s35m11z2z turn=3 dora=1p", 0},
    };
    const std::atomic<bool> never{false};
    for (const auto& c : cases) {
        NanikiruSearch plain(Position(c.line), true, true, c.slack);
        NanikiruSearch watched(Position(c.line), true, true, c.slack);
        watched.SetStop(&never);
        plain.AnalyzeDiscards();
        watched.AnalyzeDiscards();
        EXPECT_FALSE(watched.stopped());
        EXPECT_EQ(watched.evaluated(), plain.evaluated()) << c.line;
        ASSERT_EQ(watched.CandidateNodes().size(), plain.CandidateNodes().size()) << c.line;
        for (std::size_t n = 0; n < plain.CandidateNodes().size(); ++n) {
            const NanikiruSearch &a = *plain.CandidateNodes()[n], &b = *watched.CandidateNodes()[n];
            for (int k = 1; k < kTurnSlots; ++k) {
                EXPECT_EQ(std::bit_cast<std::uint64_t>(a.ev()[k]),
                          std::bit_cast<std::uint64_t>(b.ev()[k]))
                    << c.line << " candidate " << n << " draw " << k;
                EXPECT_EQ(std::bit_cast<std::uint64_t>(a.winProb()[k]),
                          std::bit_cast<std::uint64_t>(b.winProb()[k]));
                EXPECT_EQ(std::bit_cast<std::uint64_t>(a.tenpaiProb()[k]),
                          std::bit_cast<std::uint64_t>(b.tenpaiProb()[k]));
            }
        }
    }
}

// What the window runs, given a stop already set: each says it was stopped, never a page.
TEST(SearchStopThreadTest, EveryPageOfTheWindowGivenAStopSaysItStopped) {
    const std::atomic<bool> stop{true};
    const KyokuState oneFromReady = Position("123m456p789s35m11z2z turn=3 dora=1p");
    const AnalysisText texts[] = {
        ReportPageFor(oneFromReady, 1, 2, kReportPageSizeLimit, Language::kJapanese, &stop),
        ProblemTextFor(oneFromReady, Language::kJapanese, &stop),
        DamaPageFor(oneFromReady, Language::kJapanese, &stop),
    };
    for (const AnalysisText& text : texts) {
        EXPECT_TRUE(text.stopped);
        EXPECT_FALSE(text.ok());
        EXPECT_TRUE(text.text.empty());
    }
    const ReachAnalysis reach(After("123m456p789s35m11z2z turn=3 dora=1p", "2z"), 1000.0, &stop);
    EXPECT_TRUE(reach.stopped);
}

}  // namespace
}  // namespace mizaro
