#include "core/shanten_classes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace mizaro {
namespace {

struct Arrangement {
    int sets, partials;
};

// A part as the rules see it: its arrangements as held, and those left by each of its pairs.
struct LiteralPart {
    std::vector<Arrangement> held;
    std::vector<std::vector<Arrangement>> pairRests;
};

// The rules' value of one choice of arrangements: 8 - 2M - T, with T = 4 - M beyond four groups.
int Value(int sets, int partials) {
    if (sets + partials > 4) partials = 4 - sets;
    return 8 - 2 * sets - partials;
}

// The best value over every choice of one arrangement per part, with the pair set aside in
// part `pairPart` (its arrangements then come from `rest`), or none (-1).
int Best(const std::vector<LiteralPart>& parts, int pairPart, int rest, std::size_t i = 0,
         int sets = 0, int partials = 0) {
    if (i == parts.size()) return Value(sets, partials) - (pairPart >= 0 ? 1 : 0);
    const auto& options =
        static_cast<int>(i) == pairPart ? parts[i].pairRests[rest] : parts[i].held;
    int best = 99;
    for (const Arrangement& a : options)
        best = std::min(best,
                        Best(parts, pairPart, rest, i + 1, sets + a.sets, partials + a.partials));
    return best;
}

Stairs StairsOf(const std::vector<Arrangement>& options) {
    Stairs stairs = kNoStairs;
    for (const Arrangement& a : options) AddArrangement(stairs, a.sets, a.sets + a.partials);
    return stairs;
}

// Random parts of one or two arrangements of up to nine sets and partial sets each, with up to
// three pairs: the staircases and their combination give the rules' best value.
TEST(ShantenClassesTest, CombinedStatesValueAsTheRules) {
    std::mt19937 rng(5);
    auto arrangements = [&] {
        std::vector<Arrangement> out(1 + rng() % 2);
        for (Arrangement& a : out) a = {static_cast<int>(rng() % 10), static_cast<int>(rng() % 10)};
        return out;
    };
    for (int trial = 0; trial < 20000; ++trial) {
        // Small values most of the time, so the cut at four groups is met from both sides.
        const int scale = trial % 2 ? 10 : 3;
        std::vector<LiteralPart> parts(1 + rng() % 4);
        PartState whole;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            LiteralPart& part = parts[i];
            part.held = arrangements();
            for (Arrangement& a : part.held) a.sets %= scale, a.partials %= scale;
            part.pairRests.resize(rng() % 4);
            PartState state;
            state.plain = StairsOf(part.held);
            for (auto& rest : part.pairRests) {
                rest = arrangements();
                for (Arrangement& a : rest) a.sets %= scale, a.partials %= scale;
                const Stairs restStairs = StairsOf(rest);
                for (int g = 0; g < kGroupSteps; ++g)
                    state.withPair[g] = std::max(state.withPair[g], restStairs[g]);
            }
            whole = i == 0 ? state : Combine(whole, state);
        }
        int expected = Best(parts, -1, 0);
        for (std::size_t i = 0; i < parts.size(); ++i)
            for (std::size_t r = 0; r < parts[i].pairRests.size(); ++r)
                expected =
                    std::min(expected, Best(parts, static_cast<int>(i), static_cast<int>(r)));
        ASSERT_EQ(RegularValue(whole), expected) << "trial " << trial;
    }
}

// Packing keeps a staircase, and the packed maximum is the maximum step by step.
TEST(ShantenClassesTest, PackedStairsKeepTheirStepsAndTheirMaximum) {
    std::mt19937 rng(6);
    auto randomStairs = [&] {
        Stairs stairs = kNoStairs;
        for (int n = static_cast<int>(rng() % 4); n > 0; --n)
            AddArrangement(stairs, static_cast<int>(rng() % 10), static_cast<int>(rng() % 12));
        return stairs;
    };
    for (int trial = 0; trial < 5000; ++trial) {
        const Stairs a = randomStairs(), b = randomStairs();
        ASSERT_EQ(UnpackStairs(PackStairs(a)), a);
        Stairs most;
        for (int g = 0; g < kGroupSteps; ++g) most[g] = std::max(a[g], b[g]);
        ASSERT_EQ(UnpackStairs(StepMax(PackStairs(a), PackStairs(b))), most);
    }
}

}  // namespace
}  // namespace mizaro
