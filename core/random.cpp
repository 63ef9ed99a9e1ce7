#include "core/random.h"

#include <chrono>
#include <functional>
#include <thread>

namespace mizaro {

std::mt19937& ThreadRandom() {
    // Two threads started in the same second still get different games.
    thread_local std::mt19937 generator(
        static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count() ^
                                   std::hash<std::thread::id>{}(std::this_thread::get_id())));
    return generator;
}

void SeedThreadRandom(std::uint32_t seed) {
    ThreadRandom().seed(seed);
}

int RandomBelow(int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(ThreadRandom());
}

}  // namespace mizaro
