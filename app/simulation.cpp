#include "app/simulation.h"

#include "analysis/computer_discard.h"

namespace mizaro {

ComputerGameEnd PlayComputerGame(KyokuState& state, GameRecord& record,
                                 ComputerPlayWatcher* watcher) {
    ComputerPlayWatcher none;
    ComputerPlayWatcher& w = watcher != nullptr ? *watcher : none;
    state.Reset();
    state.Deal();
    record.FromDeal(state);
    record.doraIndicator = state.DrawDoraIndicator();
    for (;;) {
        if (w.StopRequested()) return ComputerGameEnd::kStopped;
        w.TurnStarting(state);
        if (state.turn > kMaxTurns) return ComputerGameEnd::kExhausted;
        const TileKind drawn = state.Draw();
        if (drawn == kNoTile) return ComputerGameEnd::kExhausted;  // only a hand-made wall
        record.draws[state.turn - 1] = drawn;
        w.Drawn(state);
        if (state.Shanten() == -1) {
            state.EvaluateWin(false, false);
            return ComputerGameEnd::kWon;
        }
        // After riichi every draw that does not win goes straight out.
        const bool discarded = state.reachTurn != 0 ? state.Discard(state.lastDraw, false)
                                                    : ComputerDiscard(state) != kNoTile;
        if (!discarded) return ComputerGameEnd::kExhausted;
        record.discards[state.turn - 2] = state.lastDiscard;
    }
}

void RecordComputerGame(StatSummary& com, const KyokuState& state, const GameRecord& record,
                        int simClear, const std::string& snapshotDirectory, std::time_t when) {
    com.RecordGame(state, record);
    // The count is the statistics' own total, not the games of this run.
    if (simClear > 0 && com.N % simClear == 0 && com.SaveSnapshot(snapshotDirectory, when))
        com.Reset();
}

std::uint32_t GameSeed(std::uint64_t seed, std::uint64_t index) {
    // splitmix64 of the pair: neighbouring indices give unrelated generators.
    std::uint64_t z = seed * 0x9E3779B97F4A7C15ULL + index + 0x632BE59BD9B4E019ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<std::uint32_t>(z ^ (z >> 32));
}

}  // namespace mizaro
