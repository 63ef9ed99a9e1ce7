// mizaro-cli shanten: the three shanten forms of hands read from standard input.
// mizaro-cli bench shanten: the speed of the shanten count on a fixed set of dealt hands.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/hand_notation.h"
#include "core/shanten.h"
#include "core/shanten_table.h"
#include "tools/cli/cli_input.h"
#include "tools/cli/commands.h"

namespace mizaro::cli {

namespace {

constexpr int kBenchHands = 1'000'000;
constexpr int kBenchBlock = 1024;  // hands dealt per timed block: small enough to stay in cache
constexpr int kDealtTiles = 14;
constexpr int kCopies = 4;
constexpr int kWallTiles = kKinds * kCopies;
constexpr std::uint64_t kBenchSeed = 0x6D697A61726FULL;

std::string_view Trim(std::string_view s) {
    const char* space = " \t\r\n\v\f";
    std::size_t first = s.find_first_not_of(space);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(space) - first + 1);
}

void RunShanten() {
    WarnWithoutTable();
    ForEachInputLine([](const std::string& line) {
        std::string_view text = Trim(line);
        ParsedTiles parsed = ParseTiles(text);
        if (text.empty()) parsed.error = "no tiles";
        if (!parsed.ok()) {
            std::printf("error: %s\n", parsed.error.c_str());
            return;
        }
        ShantenResult r = ShantenForms(parsed.counts);
        std::printf("%d %d %d %d\n", r.regular, r.chiitoi, r.kokushi, r.min);
    });
}

// xorshift64*: spelled out so the dealt hands, and with them the checksum, are the same with
// every compiler and standard library.
class BenchRandom {
  public:
    explicit BenchRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return state_ * 0x2545F4914F6CDD1DULL;
    }

    // Uniform enough below n for dealing; the slight bias of the modulo is the same everywhere.
    int Below(int n) { return static_cast<int>((Next() >> 32) % static_cast<std::uint64_t>(n)); }

  private:
    std::uint64_t state_;
};

// Deals 14 tiles from a full wall: the first steps of a Fisher-Yates shuffle.
TileCounts DealHand(BenchRandom& random) {
    int wall[kWallTiles];
    for (int i = 0; i < kWallTiles; ++i) wall[i] = i / kCopies;
    TileCounts hand{};
    for (int i = 0; i < kDealtTiles; ++i) {
        int pick = i + random.Below(kWallTiles - i);
        std::swap(wall[i], wall[pick]);
        ++hand[wall[i]];
    }
    return hand;
}

// Times the counting only, not the dealing. The figures use the processor time of the counting
// (std::clock), which a busy machine disturbs far less than the wall clock; the wall time is
// printed beside.
void RunBenchShanten() {
    WarnWithoutTable();
    BenchRandom random(kBenchSeed);
    std::vector<TileCounts> block(kBenchBlock);
    std::uint64_t checksum = 0;
    std::clock_t processor = 0;
    std::chrono::steady_clock::duration wall{};
    for (int done = 0; done < kBenchHands; done += kBenchBlock) {
        int size = std::min(kBenchBlock, kBenchHands - done);
        for (int i = 0; i < size; ++i) block[i] = DealHand(random);

        std::clock_t processorStart = std::clock();
        auto wallStart = std::chrono::steady_clock::now();
        for (int i = 0; i < size; ++i) {
            ShantenResult r = ShantenForms(block[i]);
            // Each form in its own pair of digits (shifted by one so -1 counts), summed.
            checksum += static_cast<std::uint64_t>((r.regular + 1) * 10000 + (r.chiitoi + 1) * 100 +
                                                   (r.kokushi + 1));
        }
        wall += std::chrono::steady_clock::now() - wallStart;
        processor += std::clock() - processorStart;
    }
    double seconds = static_cast<double>(processor) / CLOCKS_PER_SEC;
    std::printf("hands %d\n", kBenchHands);
    std::printf("checksum %llu\n", static_cast<unsigned long long>(checksum));
    std::printf("hands/s %.0f\n", kBenchHands / seconds);
    std::printf("ns/hand %.1f\n", seconds * 1e9 / kBenchHands);
    std::printf("wall ns/hand %.1f\n",
                std::chrono::duration<double, std::nano>(wall).count() / kBenchHands);
}

}  // namespace

void AddShantenCommands(CLI::App& app, CLI::App& bench) {
    app.add_subcommand("shanten",
                       "Reads hands such as 123m456p789s1122z from standard input, one per line, "
                       "and prints: regular chiitoi kokushi min")
        ->callback(RunShanten);
    bench.add_subcommand("shanten", "Counts the shanten of 1,000,000 fixed 14-tile hands")
        ->callback(RunBenchShanten);
}

}  // namespace mizaro::cli
