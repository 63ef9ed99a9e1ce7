// What a part of a hand (a suit, the honours, or several of them together) offers the regular
// shanten count, reduced to what decides the count in every hand the part can be in.
//
// The regular value of a choice of arrangements, 8 - 2M - T with T cut to 4 - M beyond four
// groups, is 8 - (M + min(G, 4)) with G = M + T the groups. So a part counts only through, for
// each g = 0..4, the most complete sets among its arrangements of at least g groups: a
// staircase. Parts combine by adding sets and groups (a max-plus product of staircases), and
// suit patterns with the same staircases, without and with a pair set aside, are alike in every
// hand: they form one class, and a few hundred classes cover every pattern.
#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <vector>

namespace mizaro {

inline constexpr int kGroupSteps = 5;  // g = 0..4: four groups are all a hand uses beside a pair
inline constexpr std::int8_t kNoArrangement = -1;

// stairs[g]: the most sets among the arrangements of at least g groups; kNoArrangement if none.
using Stairs = std::array<std::int8_t, kGroupSteps>;

inline constexpr Stairs kNoStairs = {kNoArrangement, kNoArrangement, kNoArrangement, kNoArrangement,
                                     kNoArrangement};

// Adds an arrangement of `sets` complete sets and `groups` groups in all.
void AddArrangement(Stairs& stairs, int sets, int groups);

// The arrangements of two parts together.
Stairs Product(const Stairs& a, const Stairs& b);

// The largest sets + min(groups, 4) over the arrangements; -1 without any.
int Reach(const Stairs& stairs);

struct PartState {
    Stairs plain = kNoStairs;     // as held
    Stairs withPair = kNoStairs;  // once one of its pairs is set aside (none: no pair)

    auto operator<=>(const PartState&) const = default;
};

// Two parts together: the pair, if any, lies in one of them.
PartState Combine(const PartState& a, const PartState& b);

// The regular value of a whole hand's state: the best without a pair and with one, at most 8.
int RegularValue(const PartState& whole);

// The honours as one part: t kinds held three or four times, l held exactly twice, and whether
// a kind is held four times (setting its pair aside leaves a pair, not a single). The id packs
// the three in seven bits.
inline constexpr int kHonourStates = 128;
constexpr int HonourStateId(int triples, int lonePairs, bool four) {
    return triples << 4 | lonePairs << 1 | (four ? 1 : 0);
}
const PartState& HonourState(int id);
// Whether seven kinds can be held so: at most seven kinds, and four of one only among triples.
constexpr bool HonourStateHeld(int id) {
    const int triples = id >> 4, lonePairs = id >> 1 & 7;
    return triples + lonePairs <= 7 && (triples > 0 || !(id & 1));
}

// A staircase of one suit (at most 9 sets a step) in 25 bits, five a step holding the step + 1
// below a spare bit, so that the steps of two are maximised at once and a suit's two staircases
// make one key.
using PackedStairs = std::uint64_t;
inline constexpr int kPackedStairsBits = 25;
PackedStairs PackStairs(const Stairs& stairs);
Stairs UnpackStairs(PackedStairs packed);

inline constexpr int kStepBits = kPackedStairsBits / kGroupSteps;
inline constexpr PackedStairs kStepMask = (1u << kStepBits) - 1;
inline constexpr PackedStairs kSpareBits = [] {
    PackedStairs bits = 0;
    for (int g = 0; g < kGroupSteps; ++g)
        bits |= PackedStairs{1} << (g * kStepBits + kStepBits - 1);
    return bits;
}();

// Each step's spare bit survives the subtraction exactly where a's step is not below b's.
constexpr PackedStairs StepMax(PackedStairs a, PackedStairs b) {
    const PackedStairs aAtLeastB = ((a | kSpareBits) - b) & kSpareBits;
    const PackedStairs mask = (aAtLeastB >> (kStepBits - 1)) * kStepMask;
    return (a & mask) | (b & ~mask);
}

// Small ids for the staircases of single suits, each step-by-step maximum of two worked out
// once: classifying two million patterns then costs a table read per pair place. A single
// suit gives at most 37 staircases (see ShantenTable).
class StairsIds {
  public:
    static constexpr int kMost = 64;

    StairsIds() : max_(kMost * kMost, kUnknown) {}

    std::uint8_t IdOf(PackedStairs stairs);
    std::uint8_t Max(std::uint8_t a, std::uint8_t b) {
        std::uint8_t& most = max_[a * kMost + b];
        if (most == kUnknown) most = IdOf(StepMax(stairs_[a], stairs_[b]));
        return most;
    }
    PackedStairs StairsOf(std::uint8_t id) const { return stairs_[id]; }

  private:
    static constexpr std::uint8_t kUnknown = 0xFF;

    std::vector<PackedStairs> stairs_;
    std::vector<std::uint8_t> max_;
};

}  // namespace mizaro
