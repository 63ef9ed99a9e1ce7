#include "app/review_source.h"

namespace mizaro {

std::optional<GameRecord> GameInProgress(const GameFlow& flow) {
    if (flow.simRunning || flow.noRecord || flow.playMode != kPlayMode) return std::nullopt;
    GameRecord record = flow.record;
    record.reachTurn = flow.state.reachTurn;
    return record;
}

bool HasGameInProgress(const GameFlow& flow) {
    return GameInProgress(flow).has_value() && flow.state.turn > 1;
}

std::optional<GameRecord> RecordedGame(const StatSummary& stats, int n) {
    const int count = static_cast<int>(stats.records.size());
    if (n < 1 || n > count) return std::nullopt;
    GameRecord record = stats.records[count - n];
    record.Decode();
    return record;
}

}  // namespace mizaro
