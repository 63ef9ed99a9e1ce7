#include "core/shanten_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unordered_map>

#include "platform/program_directory.h"
#include "temp_dir.h"

namespace mizaro {
namespace {

class ShantenTableFileTest : public ::testing::Test {
  protected:
    // Loads `text` as a table file into `table_`.
    ShantenTableLoad LoadText(const std::string& text) {
        std::ofstream(path_, std::ios::binary) << text;
        return table_.LoadFrom(path_);
    }

    testing::TempDir dir_;
    std::string path_ = dir_.File("ShantenTable.txt");
    ShantenTable table_;
};

TEST_F(ShantenTableFileTest, KeysGoToTheirTileCount) {
    ShantenTableLoad load = LoadText("3\n111 1010\n111000000 1010\n444200000 4000\n");
    EXPECT_TRUE(load.opened);
    EXPECT_EQ(load.entries, 3);
    EXPECT_EQ(table_.SuitValue(3, 111), 1010);
    EXPECT_EQ(table_.SuitValue(3, 111000000), 1010);
    EXPECT_EQ(table_.SuitValue(14, 444200000), 4000);
    // Asked under another tile count, or never stored: 0.
    EXPECT_EQ(table_.SuitValue(2, 111), 0);
    EXPECT_EQ(table_.SuitValue(3, 1110), 0);
}

TEST_F(ShantenTableFileTest, RepeatedKeyKeepsItsFirstValue) {
    ShantenTableLoad load = LoadText("2 111 1010 111 20");
    EXPECT_EQ(load.entries, 1);
    EXPECT_EQ(load.skipped, 1);
    EXPECT_EQ(table_.SuitValue(3, 111), 1010);
}

TEST_F(ShantenTableFileTest, MissingFileKeepsWhatTheTableHolds) {
    EXPECT_EQ(table_.SuitValue(3, 111), 0);
    LoadText("1 111 1010");
    ShantenTableLoad load = table_.LoadFrom(dir_.File("no_such_table.txt"));
    EXPECT_FALSE(load.opened);
    EXPECT_EQ(table_.SuitValue(3, 111), 1010);
    EXPECT_EQ(ShantenTable().SuitValue(3, 111), 0);
}

TEST_F(ShantenTableFileTest, MalformedEntriesAreSkipped) {
    // A digit above 4, ten digits, a negative key, values out of range; then two sound ones.
    ShantenTableLoad load =
        LoadText("8\n5 101\n1110000000 1010\n-11 101\n11 10000\n11 -1\n22 101\n12 1\n111 1010\n");
    EXPECT_EQ(load.entries, 3);
    EXPECT_EQ(load.skipped, 5);
    EXPECT_EQ(table_.SuitValue(4, 22), 101);
    EXPECT_EQ(table_.SuitValue(3, 12), 1);
    EXPECT_EQ(table_.SuitValue(3, 111), 1010);
    EXPECT_EQ(table_.SuitValue(2, 11), 0);
    EXPECT_EQ(table_.SuitValue(5, 5), 0);
    EXPECT_EQ(table_.SuitValue(3, 1110000000), 0);
    EXPECT_EQ(table_.SuitValue(2, -11), 0);
}

TEST_F(ShantenTableFileTest, ReadingStopsAtTheFirstBrokenToken) {
    struct Case {
        const char* text;
        int entries;
    };
    const Case cases[] = {
        {"5\n111 1010\n22 101\n3", 2},                            // truncated
        {"4 111 1010 22 x101 12 1", 1},                           // garbage value
        {"4 111 1010 22abc 101 12 1", 1},                         // garbage key
        {"3 111 1010 12345678901234567890123456789012345 1", 1},  // overlong token
        {"1 111 1010 22 101", 1},                                 // count below the entries
        {"x 111 1010", 0},                                        // no count
        {"-3 111 1010", 0},                                       // negative count
        {"", 0},                                                  // empty file
    };
    for (const Case& c : cases) {
        ShantenTableLoad load = LoadText(c.text);
        EXPECT_TRUE(load.opened) << c.text;
        EXPECT_EQ(load.entries, c.entries) << c.text;
        EXPECT_EQ(table_.SuitValue(3, 111), c.entries > 0 ? 1010 : 0) << c.text;
        EXPECT_EQ(table_.SuitValue(3, 12), 0) << c.text;
    }
}

TEST_F(ShantenTableFileTest, FirstUsableFileWins) {
    const std::string missing = dir_.File("missing.txt"), garbage = dir_.File("garbage.txt");
    std::ofstream(garbage) << "not a table";
    LoadText("1 111 1010");

    ShantenTable table;
    ShantenTableLoad load = LoadFirstUsable(table, {missing, path_});
    EXPECT_TRUE(load.opened);
    EXPECT_EQ(load.entries, 1);
    EXPECT_EQ(table.SuitValue(3, 111), 1010);
    // A file that opens but yields nothing is passed over too.
    EXPECT_EQ(LoadFirstUsable(table, {garbage, path_}).entries, 1);
    EXPECT_EQ(LoadFirstUsable(table, {path_, garbage}).entries, 1);
    EXPECT_EQ(table.SuitValue(3, 111), 1010);
    // Nothing opens: the table keeps what it holds.
    EXPECT_FALSE(LoadFirstUsable(table, {missing}).opened);
    EXPECT_EQ(table.SuitValue(3, 111), 1010);
}

TEST_F(ShantenTableFileTest, SuitSetsDropIsolatedSinglesBeforeTheLookUp) {
    LoadText("2 111 1213 1 9999");
    auto pattern = [](std::array<std::uint32_t, kSuitLength> c) {
        std::uint32_t index = 0;
        for (int i = 0; i < kSuitLength; ++i) index += c[i] * kPatternPlace[i];
        return index;
    };
    // 1213: one set and two or three partial sets, at least one set for up to four groups.
    const Stairs expected = {1, 1, 1, 1, 1}, nothing = {0, -1, -1, -1, -1};
    auto plain = [&](std::array<std::uint32_t, kSuitLength> c) {
        return table_.ClassState(table_.ClassOf(pattern(c))).plain;
    };
    EXPECT_EQ(plain({0, 0, 0, 0, 0, 0, 1, 1, 1}), expected);
    // The 1 is alone, so 1-7-8-9 reads as 7-8-9; a 5 is not (the 7 lies within 2),
    // so 5-7-8-9 is looked up as itself and is not stored.
    EXPECT_EQ(plain({1, 0, 0, 0, 0, 0, 1, 1, 1}), expected);
    EXPECT_EQ(plain({0, 0, 0, 0, 1, 0, 1, 1, 1}), nothing);
    // One tile left is never looked up, though key 1 is stored.
    EXPECT_EQ(plain({0, 0, 0, 0, 0, 0, 0, 0, 1}), nothing);
    EXPECT_EQ(table_.SuitValue(1, 1), 9999);
}

// The two arrangements straight from the rules: every split of the pattern into sets, partial
// sets and loose tiles, keeping the best under each order.
struct Arrangements {
    int sets1 = 0, partials1 = 0, sets2 = 0, partials2 = 0;
};

void Split(std::array<int, kSuitLength>& c, int from, int sets, int partials, Arrangements& best) {
    int i = from;
    while (i < kSuitLength && c[i] == 0) ++i;
    if (i == kSuitLength) {
        if (sets > best.sets1 || (sets == best.sets1 && partials > best.partials1))
            best.sets1 = sets, best.partials1 = partials;
        int value = 2 * sets + partials, best2 = 2 * best.sets2 + best.partials2;
        if (value > best2 || (value == best2 && sets > best.sets2))
            best.sets2 = sets, best.partials2 = partials;
        return;
    }
    auto with = [&](int a, int b, int addSets, int addPartials) {
        // Takes one tile at i, i + a and i + b (a = b = 0: three or two of the same).
        int need[kSuitLength] = {};
        ++need[i];
        if (a) ++need[i + a];
        if (b) ++need[i + b];
        if (!a && !b) need[i] = addSets ? 3 : 2;
        for (int j = 0; j < kSuitLength; ++j)
            if (c[j] < need[j]) return;
        for (int j = 0; j < kSuitLength; ++j) c[j] -= need[j];
        Split(c, i, sets + addSets, partials + addPartials, best);
        for (int j = 0; j < kSuitLength; ++j) c[j] += need[j];
    };
    with(0, 0, 1, 0);
    with(0, 0, 0, 1);
    if (i + 2 < kSuitLength) with(1, 2, 1, 0), with(2, 0, 0, 1);
    if (i + 1 < kSuitLength) with(1, 0, 0, 1);
    --c[i];
    Split(c, i, sets, partials, best);
    ++c[i];
}

TEST(ShantenTableTest, GeneratedTableMatchesDirectSplits) {
    ShantenTableLoad load = LoadShantenTable();
    ASSERT_TRUE(load.opened) << "ShantenTable.txt is generated by the build into its bin folder";
    EXPECT_EQ(load.entries, 376728);
    EXPECT_EQ(load.skipped, 0);
    const ShantenTable& table = ProcessShantenTable();
    // The classes and their tables stand in for 11.7 MB of values and facts by pattern.
    EXPECT_LT(table.Bytes(), 5'500'000u);

    std::mt19937 rng(1234);
    int checked = 0;
    while (checked < 3000) {
        std::array<int, kSuitLength> c{};
        int tiles = 2 + static_cast<int>(rng() % 13);
        for (int t = 0; t < tiles; ++t) {
            int i = static_cast<int>(rng() % kSuitLength);
            if (c[i] < 4) ++c[i];
        }
        std::int64_t key = 0;
        int n = 0;
        bool isolated = false;
        for (int i = 0; i < kSuitLength; ++i) {
            key = key * 10 + c[i];
            n += c[i];
            bool alone = c[i] == 1;
            for (int j = i - 2; j <= i + 2; ++j)
                if (j != i && j >= 0 && j < kSuitLength && c[j]) alone = false;
            isolated = isolated || alone;
        }
        if (isolated) continue;
        Arrangements best;
        Split(c, 0, 0, 0, best);
        int expected = best.sets1 * 1000 + best.partials1 * 100 + best.sets2 * 10 + best.partials2;
        ASSERT_EQ(table.SuitValue(n, key), expected) << key;
        ++checked;
    }
}

// Every raw pattern's facts against its counts read directly: the staircase of what is left
// once the isolated singles go, through SuitValue, the pair places, the kinds and the ends.
TEST(ShantenTableTest, EveryPatternsFactsFollowItsCounts) {
    ASSERT_TRUE(LoadShantenTable().opened);
    const ShantenTable& table = ProcessShantenTable();
    std::array<int, kSuitLength> c{};
    const int last = kSuitLength - 1;
    for (std::uint32_t pattern = 0; pattern < kSuitPatterns; ++pattern) {
        std::int64_t key = 0;
        int kept = 0, kinds = 0;
        std::uint32_t pairBits = 0;
        for (int i = 0; i < kSuitLength; ++i) {
            bool alone = c[i] == 1;
            for (int j = std::max(0, i - 2); j <= std::min(last, i + 2); ++j)
                if (j != i && c[j] != 0) alone = false;
            key = key * 10 + (alone ? 0 : c[i]);
            kept += alone ? 0 : c[i];
            kinds += c[i] > 0;
            pairBits |= static_cast<std::uint32_t>(c[i] >= 2) << i;
        }
        const int v = kept <= 1 ? 0 : table.SuitValue(kept, key);
        Stairs own = kNoStairs;
        AddArrangement(own, v / 1000, v / 1000 + v / 100 % 10);
        AddArrangement(own, v / 10 % 10, v / 10 % 10 + v % 10);
        ASSERT_EQ(table.ClassState(table.ClassOf(pattern)).plain, own) << key;
        const SuitFacts facts = table.FactsOf(pattern);
        ASSERT_EQ(facts.PairBits(), pairBits) << key;
        ASSERT_EQ(facts.Kinds(), kinds) << key;
        ASSERT_EQ(facts.Ends(), (c[0] > 0) + (c[last] > 0)) << key;
        ASSERT_EQ(facts.EndPair(), c[0] >= 2 || c[last] >= 2) << key;
        for (int i = last; i >= 0 && ++c[i] > 4; --i) c[i] = 0;
    }
}

// Every pattern's key reads exactly what the file says of it, 0 when it says nothing: the values
// kept compactly lose and shift none.
TEST(ShantenTableTest, EveryKeyReadsItsValueFromTheFile) {
    ASSERT_TRUE(LoadShantenTable().opened);
    std::ifstream file;  // the file the process table came from, wherever the test runs
    for (const std::string& path : ShantenTablePaths(ProgramDirectory()))
        if (!file.is_open()) file.open(path);
    std::unordered_map<std::int64_t, int> written;
    std::int64_t count = 0, key = 0;
    int value = 0;
    file >> count;
    while (file >> key >> value) written.emplace(key, value);
    ASSERT_EQ(static_cast<std::int64_t>(written.size()), count);
    std::array<int, kSuitLength> c{};
    for (std::uint32_t pattern = 0; pattern < kSuitPatterns; ++pattern) {
        key = 0;
        int n = 0;
        for (int digit : c) key = key * 10 + digit, n += digit;
        const auto it = written.find(key);
        ASSERT_EQ(ProcessShantenTable().SuitValue(n, key), it == written.end() ? 0 : it->second)
            << key;
        for (int i = kSuitLength - 1; i >= 0 && ++c[i] > 4; --i) c[i] = 0;
    }
}

TEST(ShantenTableTest, LooksHereThenBesideTheProgramThenInItsInstallation) {
    testing::TempDir prefix;
    const std::string bin = prefix.File("bin/");
    std::filesystem::create_directories(bin);
    EXPECT_EQ(ShantenTablePaths(bin),
              (std::vector<std::string>{"ShantenTable.txt", bin + "ShantenTable.txt"}));
    std::filesystem::create_directories(prefix.File("share/mizaro"));
    EXPECT_EQ(ShantenTablePaths(bin),
              (std::vector<std::string>{"ShantenTable.txt", bin + "ShantenTable.txt",
                                        prefix.File("share/mizaro/ShantenTable.txt")}));
    EXPECT_EQ(ShantenTablePaths(""), std::vector<std::string>{"ShantenTable.txt"});
}

}  // namespace
}  // namespace mizaro
