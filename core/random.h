// The game's only source of chance: one generator per thread, seeded from the clock.
#pragma once

#include <cstdint>
#include <random>

namespace mizaro {

// This thread's generator; seeded from the clock (and the thread) on first use.
std::mt19937& ThreadRandom();

// Reseeds this thread's generator, so a test or a benchmark can replay the same deals.
void SeedThreadRandom(std::uint32_t seed);

// A uniform integer in [0, n) from this thread's generator; n must be positive.
int RandomBelow(int n);

}  // namespace mizaro
