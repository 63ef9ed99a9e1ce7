// The stop of a search: set from another thread it ends a long analysis at once and leaves
// nothing behind; never set, it changes no value.
#include <gtest/gtest.h>

#include <atomic>
#include <bit>
#include <chrono>
#include <thread>

#include "analysis/problem_text.h"
#include "analysis/report_page.h"
#include "analysis/riichi_analysis.h"
#include "search_test_util.h"

namespace mizaro {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

TEST(SearchStopThreadTest, AStopFromAnotherThreadEndsALongAnalysisAtOnce) {
    std::atomic<bool> stop{false};
    // Three from ready with slack 2: seconds of search.
    NanikiruSearch top(Position("24688m3579p13479s turn=1"), true, true, 2);
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
    EXPECT_LT(returned - Clock::time_point(Clock::duration(stoppedAt.load())), 300ms);
    EXPECT_TRUE(top.stopped());
    EXPECT_TRUE(top.CandidateNodes().empty());
    EXPECT_EQ(top.evaluated()[kPositionTotal], 0);
}

TEST(SearchStopThreadTest, AStopNeverSetChangesNoValueByABit) {
    using Bits = std::array<std::uint64_t, kTurnSlots>;
    const std::atomic<bool> never{false};
    for (const char* line : {"123m456p79s35m11z27z turn=5 dora=3m", "1235m4678p2469s17z turn=12"}) {
        NanikiruSearch plain(Position(line), true, true, 1), watched(Position(line), true, true, 1);
        watched.SetStop(&never);
        plain.AnalyzeDiscards();
        watched.AnalyzeDiscards();
        EXPECT_EQ(watched.evaluated(), plain.evaluated()) << line;
        ASSERT_EQ(watched.CandidateNodes().size(), plain.CandidateNodes().size()) << line;
        for (std::size_t n = 0; n < plain.CandidateNodes().size(); ++n) {
            const NanikiruSearch &a = *plain.CandidateNodes()[n], &b = *watched.CandidateNodes()[n];
            EXPECT_EQ(std::bit_cast<Bits>(a.ev()), std::bit_cast<Bits>(b.ev())) << line << n;
            EXPECT_EQ(std::bit_cast<Bits>(a.winProb()), std::bit_cast<Bits>(b.winProb()));
            EXPECT_EQ(std::bit_cast<Bits>(a.tenpaiProb()), std::bit_cast<Bits>(b.tenpaiProb()));
        }
    }
}

TEST(SearchStopThreadTest, EveryPageGivenAStopSaysItStoppedAndIsNoPage) {
    const std::atomic<bool> stop{true};
    const KyokuState game = Position("123m456p789s35m11z2z turn=3 dora=1p");
    for (const AnalysisText& text :
         {ReportPageFor(game, 1, 2, kReportPageSizeLimit, Language::kJapanese, &stop),
          ProblemTextFor(game, Language::kJapanese, &stop),
          DamaPageFor(game, Language::kJapanese, &stop)})
        EXPECT_TRUE(text.stopped && !text.ok() && text.text.empty());
    EXPECT_TRUE(ReachAnalysis(After("123m456p789s35m11z2z turn=3", "2z"), 1e3, &stop).stopped);
}

}  // namespace
}  // namespace mizaro
