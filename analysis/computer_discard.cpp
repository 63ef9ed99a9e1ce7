#include "analysis/computer_discard.h"

#include "core/shanten.h"

namespace mizaro {

namespace {

// Thirteen-orphans leaning: simple tiles are thrown first, at a value no count can reach.
constexpr double kThrowFirst = 777.0;
constexpr int kOrphansLeanMaxShanten = 4;
constexpr int kOrphansLeanMinShanten = 3;

TileKind LowestHeld(const KyokuState& state) {
    for (TileKind k = 0; k < kKinds; ++k)
        if (state.hand[k] > 0) return k;
    return kNoTile;
}

// The acceptance count, and the lowest held kind when even that finds nothing.
TileKind AcceptanceFallback(const KyokuState& state, DiscardValues& values) {
    TileKind choice = ChooseDiscard(state, values);
    return IsValidKind(choice) ? choice : LowestHeld(state);
}

}  // namespace

TileKind ComputerDiscard(KyokuState& state) {
    const int s = state.Shanten();
    // At least s + 1 draws must remain after this one for the search to find a win.
    const bool deep = s < state.simLevel && s < kMaxTurns - state.turn;
    const TileKind choice = deep ? DeepChoice(state) : AcceptanceChoice(state);
    return state.Discard(choice, true) ? choice : kNoTile;
}

TileKind DeepChoice(const KyokuState& state, std::optional<TurnValues>* left,
                    const std::atomic<bool>* stop) {
    DiscardValues values{};
    TileKind choice = kNoTile;
    {
        NanikiruSearch top(state, true, true, 0);
        top.SetStop(stop);
        top.AnalyzeDiscards();
        top.CandidateValues(values);
        choice = ChooseDiscard(state, values);
        if (left != nullptr) {
            left->reset();
            for (const NanikiruSearch* c : top.CandidateNodes())
                if (c->state().lastDiscard == choice) *left = c->ev();
        }
        top.FreeCache();
    }
    if (choice >= 0) return choice;
    AcceptanceValues(state, values);
    return AcceptanceFallback(state, values);
}

void AcceptanceValues(const KyokuState& state, DiscardValues& values) {
    values.fill(0.0);
    if (state.turn < 1 || state.turn > kMaxTurns) return;  // no discard is left to make
    const int before = state.Shanten();
    TileCounts hand = state.hand;
    // Only held kinds can be discarded, and only a kind that may lower the shanten of the 13
    // tiles left can bring the 14 below `before`: the others need no count. A kind with one
    // tile left adds nothing, since the count is of the tiles left after drawing one.
    for (TileKind i = 0; i < kKinds; ++i) {
        if (hand[i] < 1) continue;
        --hand[i];
        const Candidates candidates = EffectiveCandidates(hand);
        for (TileKind j = 0; j < kKinds; ++j) {
            if (!candidates.flags[j] || state.wall[j] < 2) continue;
            ++hand[j];
            if (Shanten(hand) < before) values[i] += state.wall[j] - 1;
            --hand[j];
        }
        ++hand[i];
    }
}

TileKind AcceptanceChoice(const KyokuState& state) {
    if (LowestHeld(state) == kNoTile) return kNoTile;
    const ShantenResult forms = ShantenForms(state.hand);
    DiscardValues values{};
    if (forms.kokushi <= kOrphansLeanMaxShanten && forms.min >= kOrphansLeanMinShanten) {
        for (TileKind i = 0; i < kKinds; ++i) {
            if (state.hand[i] < 1) continue;
            values[i] = IsTerminalOrHonour(i) ? state.hand[i] : kThrowFirst;
        }
    } else {
        AcceptanceValues(state, values);
    }
    return AcceptanceFallback(state, values);
}

TileKind ChooseDiscard(const KyokuState& state, DiscardValues& values) {
    TileKind firstDora = kNoTile;
    for (TileKind k = 0; k < kKinds && firstDora == kNoTile; ++k)
        if (state.dora[k] != 0) firstDora = k;
    // The first dora kind never sets the bar, so it is thrown only when nothing else is as good.
    double bar = -1.0;
    for (TileKind i = 0; i < kKinds; ++i)
        if (values[i] > 0.0 && i != firstDora && values[i] > bar) bar = values[i];
    for (double& v : values)
        if (v < bar) v = 0.0;
    for (TileKind k : kDiscardOrder)
        if (values[k] > 0.0) return k;
    return state.lastDraw;
}

}  // namespace mizaro
