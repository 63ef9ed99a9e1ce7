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
// In memory. Values sit in a flat array indexed by the nine counts in base 5 (the key's tile
// count follows from the key, so the index needs no separate map per count). Beside it the
// loader derives, for every raw suit pattern, one 32-bit SuitFacts word: the arrangements of the
// pattern once its isolated singles are removed (zero when at most one tile is left) and the
// counts the other forms need, so the hot path reads one word per suit. A table is filled once
// and only read afterwards, so any number of threads may read it without a lock.
#pragma once

#include <cassert>
#include <cstdint>
#include <string>
#include <vector>

namespace mizaro {

inline constexpr int kSuitLength = 9;
inline constexpr std::uint32_t kSuitPatterns = 1953125;  // 5^9: every count 0..4 at nine places

// Base-5 index of a suit pattern: counts c[0..8] (the 1 first) give sum c[i] * kPatternPlace[i].
inline constexpr std::uint32_t kPatternPlace[kSuitLength] = {390625, 78125, 15625, 3125, 625,
                                                             125,    25,    5,     1};

// The arrangements of one suit as four 4-bit fields: S1 << 12 | P1 << 8 | S2 << 4 | P2.
using PackedSuitSets = std::uint16_t;
constexpr int Sets1(PackedSuitSets p) {
    return p >> 12;
}
constexpr int Partials1(PackedSuitSets p) {
    return (p >> 8) & 0xF;
}
constexpr int Sets2(PackedSuitSets p) {
    return (p >> 4) & 0xF;
}
constexpr int Partials2(PackedSuitSets p) {
    return p & 0xF;
}

// Everything the shanten count needs of one raw suit pattern in one 32-bit word, so that a suit
// costs a single read: the arrangements, the places that hold a pair, the kinds held, and the 1
// and the 9 for the thirteen orphans.
struct SuitFacts {
    std::uint32_t word = 0;

    static constexpr int kPairBitsShift = 16;
    static constexpr int kKindsShift = 25;
    static constexpr int kEndsShift = 29;
    static constexpr int kEndPairShift = 31;

    PackedSuitSets Sets() const { return static_cast<PackedSuitSets>(word); }
    // Bit i: place i holds at least two tiles.
    std::uint32_t PairBits() const { return word >> kPairBitsShift & 0x1FF; }
    // Places holding at least one tile.
    int Kinds() const { return static_cast<int>(word >> kKindsShift & 0xF); }
    // How many of the 1 and the 9 are held.
    int Ends() const { return static_cast<int>(word >> kEndsShift & 0x3); }
    // Whether the 1 or the 9 is held at least twice.
    bool EndPair() const { return (word >> kEndPairShift) != 0; }
};
static_assert(sizeof(SuitFacts) == 4, "one suit, one 32-bit read");

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

    // The facts of a raw suit pattern (a base-5 index, see kPatternPlace). Its arrangements
    // are those of the pattern once its isolated singles are removed; 0 when at most one tile
    // remains.
    SuitFacts FactsOf(std::uint32_t pattern) const {
        assert(pattern < kSuitPatterns);
        return facts_[pattern];
    }
    PackedSuitSets SuitSetsOf(std::uint32_t pattern) const { return FactsOf(pattern).Sets(); }

  private:
    void ResolvePatterns();

    std::vector<std::uint16_t> values_;  // by pattern index; kAbsent where no key is stored
    std::vector<SuitFacts> facts_;       // by raw pattern index
    int entries_ = 0;
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
