// The game-log reader on any bytes: records it keeps must write back unchanged, and a record it
// calls replayable must replay without a single impossible move.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "stats/game_log.h"

namespace {

// The moves of a replay, without the shanten counts: every draw must come from the wall and
// every discard from the hand.
void ReplayMoves(const mizaro::GameRecord& r) {
    using namespace mizaro;
    KyokuState s;
    for (int k : r.dealt) FUZZ_CHECK(s.DrawKind(k));
    FUZZ_CHECK(IsValidKind(r.doraIndicator) && s.wall[r.doraIndicator] > 0);
    s.AddDoraIndicator(r.doraIndicator);
    for (int t = 0; t < kMaxTurns && r.draws[t] != kNoTile; ++t) {
        FUZZ_CHECK(s.DrawKind(r.draws[t]));
        if (r.discards[t] == kNoTile) break;
        FUZZ_CHECK(s.RemoveFromHand(r.discards[t], false));
    }
    FUZZ_CHECK(s.HandTileCount() == 13 || s.HandTileCount() == 14);
    FUZZ_CHECK(r.uraIndicator == kNoTile || s.wall[r.uraIndicator] > 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace mizaro;
    std::vector<GameRecord> records;
    ParseGameLog(std::string_view(reinterpret_cast<const char*>(data), size), records);
    std::vector<GameRecord> decoded = records;
    for (GameRecord& r : decoded) {
        r.Decode();
        if (r.IsReplayable()) ReplayMoves(r);
        // The fields encode back to a text of full length.
        GameRecord fresh = r;
        fresh.SetText({});
        fresh.Encode();
        FUZZ_CHECK(fresh.Text().size() == static_cast<std::size_t>(kRecordTextLength));
    }
    std::string written = FormatGameLog(decoded);
    std::vector<GameRecord> back;
    GameLogReport report = ParseGameLog(written, back);
    FUZZ_CHECK(report.tooLong == 0 && back.size() == records.size());
    for (std::size_t i = 0; i < back.size(); ++i) FUZZ_CHECK(back[i].Text() == records[i].Text());
    return 0;
}
