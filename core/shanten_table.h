// The shanten table: for every one-suit tile pattern the shanten count meets, the two best ways
// to split it into complete sets and partial sets, so no decomposition runs at count time.
//
// What it holds. A pattern is the nine counts 0..4 of one suit, the 1 first. Its key is the
// counts read as a decimal number (1-2-3 is 111000000, 7-8-9 is 111) and its tile count n is
// the key's digit sum. The value S1*1000 + P1*100 + S2*10 + P2 names two arrangements into S
// complete sets (triplets, runs) and P partial sets (pairs, two tiles at distance 1 or 2):
// (S1, P1) has the most sets and then the most partial sets; (S2, P2) has the largest 2S + P
// and then the most sets. A key that is not stored reads 0: the suit contributes nothing.
//
// How it is generated. tools/gen_shanten_table writes ShantenTable.txt at build time, beside
// the programs: one entry for every pattern of 2..14 tiles without an isolated single tile (a
// count of 1 with nothing else within distance 2), 376,728 entries, found by a dynamic
// programme over patterns. The file is the entry count followed by that many "key value"
// pairs, all separated by white space.
//
// In memory. Each raw suit pattern (the nine counts in base 5) maps to its class (see
// core/shanten_classes.h): the staircases of what is left once its isolated singles go, as held
// and with each pair set aside. The loader derives the classes from the values, and, when they
// are few, tables that combine the classes of two suits, of a suit and the honours, and of those
// two results into the regular value, so a count reads a few small tables and never loops over
// pair places. The values themselves are kept only compactly, for SuitValue. A table is filled
// once and only read afterwards, so any number of threads may read it without a lock.
#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/shanten_classes.h"

namespace mizaro {

inline constexpr int kSuitLength = 9;
inline constexpr std::uint32_t kSuitPatterns = 1953125;  // 5^9: every count 0..4 at nine places

// Base-5 index of a suit pattern: counts c[0..8] (the 1 first) give sum c[i] * kPatternPlace[i].
inline constexpr std::uint32_t kPatternPlace[kSuitLength] = {390625, 78125, 15625, 3125, 625,
                                                             125,    25,    5,     1};

// What the other forms need of one raw suit pattern, in one word that adds up from the
// pattern's first five and last four places: the places that hold a pair, the kinds held, the
// 1 and the 9 for the thirteen orphans, and the tiles.
struct SuitFacts {
    std::uint32_t word = 0;

    static constexpr int kKindsShift = 9;
    static constexpr int kEndsShift = 13;
    static constexpr int kTilesShift = 15;
    static constexpr std::uint32_t kEndPlaces = 1u | 1u << (kSuitLength - 1);

    // Bit i: place i holds at least two tiles.
    std::uint32_t PairBits() const { return word & 0x1FF; }
    // Places holding at least one tile.
    int Kinds() const { return static_cast<int>(word >> kKindsShift & 0xF); }
    // How many of the 1 and the 9 are held.
    int Ends() const { return static_cast<int>(word >> kEndsShift & 0x3); }
    int Tiles() const { return static_cast<int>(word >> kTilesShift & 0x3F); }
    // Whether the 1 or the 9 is held at least twice.
    bool EndPair() const { return (word & kEndPlaces) != 0; }
};

// The outcome of one load.
struct ShantenTableLoad {
    bool opened = false;  // false: the file could not be opened and the table kept its contents
    int entries = 0;      // distinct keys stored
    int skipped = 0;      // entries read but refused: a malformed key or value, a repeated key
};

class ShantenTable {
  public:
    // An empty table: every key reads 0.
    ShantenTable();

    // Replaces the contents with the file's entries. A file that cannot be opened leaves the
    // table as it was. A repeated key keeps its first value; a key that is not nine or fewer
    // digits 0..4, or a value outside 0..9999, is skipped. Reading stops at the first token
    // that is not a whole number, since the pairing of keys and values is lost there.
    ShantenTableLoad LoadFrom(const std::string& path);

    // The value stored for a key of n tiles; 0 when absent or when n is not the key's digit sum.
    int SuitValue(int n, std::int64_t key) const;

    // Distinct keys held.
    int Entries() const { return entries_; }

    // A pattern's index is that of its first kHighPlaces places times kLowPatterns plus that of
    // the others.
    static constexpr int kHighPlaces = 5;
    static constexpr std::uint32_t kLowPatterns = 625;  // 5^4

    // The facts of a raw suit pattern (a base-5 index, see kPatternPlace), whole or in halves.
    SuitFacts FactsOf(std::uint32_t pattern) const {
        assert(pattern < kSuitPatterns);
        return FactsOf(pattern / kLowPatterns, pattern % kLowPatterns);
    }
    SuitFacts FactsOf(std::uint32_t high, std::uint32_t low) const {
        assert(high < kSuitPatterns / kLowPatterns && low < kLowPatterns);
        return {highFacts_[high].word + lowFacts_[low].word};
    }

    // The class of a raw suit pattern and the state the classes stand for.
    std::uint32_t ClassOf(std::uint32_t pattern) const {
        assert(pattern < kSuitPatterns);
        return classOf_[pattern];
    }
    const PartState& ClassState(std::uint32_t suitClass) const { return classes_[suitClass]; }

    // The regular value (RegularValue) of three suits of these classes and the honours in
    // HonourState(honours): from the combination tables when the classes are few enough to
    // have them, otherwise combined here.
    int Regular(const std::uint32_t (&suitClass)[3], int honours) const {
        if (!pairOfSuits_.empty()) {
            const std::uint32_t two = pairOfSuits_[suitClass[0] * classes_.size() + suitClass[1]];
            const std::uint32_t last = suitAndHonours_[suitClass[2] * kHonourStates + honours];
            return regular_[two * lastStates_ + last];
        }
        return RegularCombined(suitClass, honours);
    }

    // Bytes held after a load.
    std::size_t Bytes() const;

  private:
    void Resolve(const std::vector<std::uint16_t>& values);
    void Classify(const std::vector<std::uint8_t>& own, StairsIds& ids, int mostStoredTiles);
    void MakeCombinations();
    int RegularCombined(const std::uint32_t (&suitClass)[3], int honours) const;

    // The values by pattern, compactly: a bit per pattern, the stored ones counted before each
    // word of bits, and the stored values in pattern order.
    std::vector<std::uint64_t> stored_;
    std::vector<std::uint32_t> storedBefore_;
    std::vector<std::uint16_t> storedValues_;
    int entries_ = 0;

    std::vector<SuitFacts> highFacts_, lowFacts_;
    std::vector<std::uint16_t> classOf_;  // by raw pattern
    std::vector<PartState> classes_;
    // The combination tables: two suits' classes to a state of theirs, a suit's class and the
    // honours to another, and the two states to the regular value.
    std::vector<std::uint16_t> pairOfSuits_, suitAndHonours_;
    std::vector<std::int8_t> regular_;
    std::uint32_t lastStates_ = 0;
};

// Loads the first of `paths` that opens and yields entries; the outcome is that of the last file
// that opened (nothing opened: the table is unchanged).
ShantenTableLoad LoadFirstUsable(ShantenTable& table, const std::vector<std::string>& paths);

// Where the table is looked for, in order: "ShantenTable.txt" in the current directory, beside
// the program (a build tree), and in the installation's share/mizaro/ folder when the program
// is installed.
std::vector<std::string> ShantenTablePaths(const std::string& programDirectory);

// The process's table, read on first use from the first of ShantenTablePaths that holds
// entries: a program started from another directory, or installed, still counts right. Safe to
// call from any thread; later calls return the outcome of the first.
ShantenTableLoad LoadShantenTable();
const ShantenTable& ProcessShantenTable();

}  // namespace mizaro
