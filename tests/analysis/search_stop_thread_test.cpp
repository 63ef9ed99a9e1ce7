// The stop of a search: set from another thread it ends a long analysis at once, leaving
// nothing; never set, it changes no value.
#include <gtest/gtest.h>

#include <atomic>
#include <bit>
#include <chrono>
#include <thread>

#include "analysis/report_page.h"
#include "analysis/riichi_analysis.h"
#include "search_test_util.h"

namespace mizaro {
namespace {

TEST(SearchStopThreadTest, AStopFromAnotherThreadEndsALongAnalysisAtOnce) {
    using namespace std::chrono_literals;
    std::atomic<bool> stop{false};
    // Three from ready with slack 2: seconds of search.
    NanikiruSearch top(Position("24688m3579p13479s turn=1"), true, true, 2);
    top.SetStop(&stop);
    const auto start = std::chrono::steady_clock::now();
    std::thread stopper([&] {
        std::this_thread::sleep_for(200ms);
        stop.store(true);
    });
    top.AnalyzeDiscards();
    // Unstopped it runs for 15 s; the bound leaves room for a sanitizer's slower unwinding.
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
    stopper.join();
    EXPECT_TRUE(top.stopped() && top.CandidateNodes().empty() && top.ev() == TurnValues{});
}

TEST(SearchStopThreadTest, AStopNeverSetChangesNoValueByABit) {
    const auto bits = [](const NanikiruSearch* n) {
        return std::bit_cast<std::array<std::uint64_t, 3 * kTurnSlots>>(
            std::array{n->ev(), n->winProb(), n->tenpaiProb()});
    };
    const std::atomic<bool> never{false};
    for (const char* line :
         {"123m456p79s35m11z27z turn=5 dora=3m", "123m456p789s35m11z2z turn=3"}) {
        NanikiruSearch plain(Position(line), true, true, 1), watched(Position(line), true, true, 1);
        watched.SetStop(&never);
        plain.AnalyzeDiscards();
        watched.AnalyzeDiscards();
        EXPECT_EQ(watched.evaluated(), plain.evaluated()) << line;
        ASSERT_EQ(watched.CandidateNodes().size(), plain.CandidateNodes().size()) << line;
        for (std::size_t n = 0; n < plain.CandidateNodes().size(); ++n)
            EXPECT_EQ(bits(plain.CandidateNodes()[n]), bits(watched.CandidateNodes()[n])) << line;
    }
}

TEST(SearchStopThreadTest, AStoppedPageIsNoPage) {
    const std::atomic<bool> stop{true};
    const KyokuState game = Position("123m456p789s35m11z2z turn=3 dora=1p");
    for (const AnalysisText& text :
         {ReportPageFor(game, 1, 2, kReportPageSizeLimit, Language::kJapanese, &stop),
          DamaPageFor(game, Language::kJapanese, &stop)})
        EXPECT_TRUE(text.stopped && !text.ok());
}

}  // namespace
}  // namespace mizaro
