// The search against values recorded from an earlier build: any rework of the search must
// leave every per-turn value, every count and every candidate bit for bit as it was. The
// recorded lines are `mizaro-cli analyze --turns --json` output without its timing; see
// scripts/search_golden.py for how both files were made.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "analysis/nanikiru_search.h"
#include "analysis/position_line.h"
#include "core/hand_notation.h"

namespace mizaro {
namespace {

constexpr double kPercent = 100.0;

std::vector<std::string> ReadLines(const std::string& path) {
    std::ifstream in(path);
    EXPECT_TRUE(in) << path;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) lines.push_back(line);
    return lines;
}

// Exact comparison: the recorded numbers read back to the very doubles that were printed.
void ExpectTurns(const nlohmann::json& recorded, const TurnValues& values, double scale,
                 const char* what) {
    ASSERT_EQ(recorded.size(), static_cast<std::size_t>(kMaxTurns)) << what;
    for (int k = 1; k <= kMaxTurns; ++k)
        EXPECT_EQ(recorded[k - 1].get<double>(), values[k] * scale) << what << " at k=" << k;
}

TEST(SearchGolden, EveryValueIsAsRecorded) {
    const std::string dir = MIZARO_TEST_SOURCE_DIR "/analysis/data";
    const std::vector<std::string> positions = ReadLines(dir + "/search_golden_positions.txt");
    const std::vector<std::string> recorded = ReadLines(dir + "/search_golden.jsonl");
    ASSERT_GE(recorded.size(), 16u);
    ASSERT_LE(recorded.size(), positions.size());
    for (std::size_t n = 0; n < recorded.size(); ++n) {
        SCOPED_TRACE(positions[n]);
        const nlohmann::json want = nlohmann::json::parse(recorded[n]);
        PositionRequest request = ParsePositionLine(positions[n]);
        ASSERT_TRUE(request.ok()) << request.error;
        NanikiruSearch top(request.state, true, true, request.slack);
        top.AnalyzeDiscards();
        ASSERT_EQ(want["hand"].get<std::string>(), FormatHand(request.state.hand));
        EXPECT_EQ(want["evaluated"].get<PositionCounts>(), top.evaluated());
        EXPECT_EQ(want["visited"].get<PositionCounts>(), top.visited());

        const int next = request.state.turn + 1;
        const auto candidates = top.CandidateNodes();
        ASSERT_EQ(want["candidates"].size(), candidates.size());
        for (std::size_t i = 0; i < candidates.size(); ++i) {
            const nlohmann::json& c = want["candidates"][i];
            const NanikiruSearch& node = *candidates[i];
            EXPECT_EQ(c["discard"].get<std::string>(), FormatTile(node.state().lastDiscard));
            EXPECT_EQ(c["ev"].get<double>(), TurnValue(node.ev(), next));
            EXPECT_EQ(c["effKinds"].get<int>(), node.effKinds());
            EXPECT_EQ(c["effTiles"].get<int>(), node.effTiles());
            ExpectTurns(c["evTurns"], node.ev(), 1.0, "ev");
            ExpectTurns(c["winTurns"], node.winProb(), kPercent, "win");
            ExpectTurns(c["tenpaiTurns"], node.tenpaiProb(), kPercent, "tenpai");
        }
        top.FreeCache();
    }
}

}  // namespace
}  // namespace mizaro
