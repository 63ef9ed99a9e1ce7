#include "core/shanten_classes.h"

#include <algorithm>
#include <array>
#include <cassert>

namespace mizaro {

void AddArrangement(Stairs& stairs, int sets, int groups) {
    for (int g = 0; g <= std::min(groups, kGroupSteps - 1); ++g)
        stairs[g] = static_cast<std::int8_t>(std::max<int>(stairs[g], sets));
}

// Staircases that fall step by step give one that does too, so no step needs raising after.
Stairs Product(const Stairs& a, const Stairs& b) {
    Stairs out = kNoStairs;
    for (int i = 0; i < kGroupSteps && a[i] != kNoArrangement; ++i) {
        for (int j = 0; j < kGroupSteps && b[j] != kNoArrangement; ++j) {
            std::int8_t& step = out[std::min(i + j, kGroupSteps - 1)];
            step = static_cast<std::int8_t>(std::max(step, static_cast<std::int8_t>(a[i] + b[j])));
        }
    }
    return out;
}

int Reach(const Stairs& stairs) {
    int reach = -1;
    for (int g = 0; g < kGroupSteps && stairs[g] != kNoArrangement; ++g)
        reach = std::max(reach, g + stairs[g]);
    return reach;
}

PartState Combine(const PartState& a, const PartState& b) {
    PartState out;
    out.plain = Product(a.plain, b.plain);
    const Stairs left = Product(a.withPair, b.plain), right = Product(a.plain, b.withPair);
    for (int g = 0; g < kGroupSteps; ++g) out.withPair[g] = std::max(left[g], right[g]);
    return out;
}

int RegularValue(const PartState& whole) {
    constexpr int kNothing = 8, kPairWorth = 1;
    const int pairReach = Reach(whole.withPair);
    const int plain = kNothing - Reach(whole.plain);  // every part has an arrangement
    return pairReach < 0 ? plain : std::min(plain, kNothing - kPairWorth - pairReach);
}

const PartState& HonourState(int id) {
    static const std::array<PartState, kHonourStates> states = [] {
        std::array<PartState, kHonourStates> all;
        for (int held = 0; held < kHonourStates; ++held) {
            const int t = held >> 4, l = held >> 1 & 7;
            const bool four = held & 1;
            PartState& s = all[held];
            AddArrangement(s.plain, t, t + l);
            // A pair from a lone pair leaves nothing; from three a single, from four a pair.
            if (l > 0) AddArrangement(s.withPair, t, t + l - 1);
            if (t > 0) AddArrangement(s.withPair, t - 1, four ? t + l : t + l - 1);
        }
        return all;
    }();
    return states[id];
}

PackedStairs PackStairs(const Stairs& stairs) {
    PackedStairs packed = 0;
    for (int g = 0; g < kGroupSteps; ++g)
        packed |= static_cast<PackedStairs>(stairs[g] + 1) << (g * kStepBits);
    return packed;
}

Stairs UnpackStairs(PackedStairs packed) {
    Stairs stairs;
    for (int g = 0; g < kGroupSteps; ++g)
        stairs[g] = static_cast<std::int8_t>((packed >> (g * kStepBits) & kStepMask) - 1);
    return stairs;
}

std::uint8_t StairsIds::IdOf(PackedStairs stairs) {
    const auto it = std::find(stairs_.begin(), stairs_.end(), stairs);
    if (it != stairs_.end()) return static_cast<std::uint8_t>(it - stairs_.begin());
    assert(stairs_.size() < kMost);
    stairs_.push_back(stairs);
    return static_cast<std::uint8_t>(stairs_.size() - 1);
}

}  // namespace mizaro
