// Whole games played through the game flow with a fixed seed, and the end of each as the
// flow showed it: material for checking a replay of the records against the real games.
#pragma once

#include <vector>

#include "analysis/computer_discard.h"
#include "core/random.h"
#include "flow_test_support.h"

namespace mizaro::testing {

struct PlayedGames {
    StatSummary stats;          // the records and the counters of the games
    std::vector<Message> ends;  // one per game, with the state as it ended
};

// Plays `count` games in `mode`, discarding for the most tiles that lower the shanten, and
// asking for riichi in two games of every five (a player who often takes riichi).
inline PlayedGames PlayGames(int count, int mode, unsigned seed) {
    SeedThreadRandom(seed);
    FakeView view;
    GameFlow flow(view);
    view.flow = &flow;
    flow.assistLimit = kAssistOff;
    flow.state.mode = mode;
    flow.NewGame();
    while (static_cast<int>(flow.userStats.records.size()) < count) {
        const TileKind k = AcceptanceChoice(flow.state);
        const SlotKinds slots = flow.Slots();
        int slot = kDrawnSlot;
        for (int i = 0; i < kHandSlots; ++i)
            if (slots[i] == k) slot = i;
        flow.PlayerDiscard(slot, flow.userStats.records.size() % 5 < 2);
    }
    return {flow.userStats, view.messages};
}

}  // namespace mizaro::testing
