#include "core/shanten_table.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstdio>
#include <map>
#include <memory>
#include <utility>

#include "platform/program_directory.h"

namespace mizaro {

namespace {

constexpr std::uint16_t kAbsent = 0xFFFF;
constexpr int kMaxValue = 9999;              // four decimal digits S1 P1 S2 P2
constexpr std::int64_t kMaxKey = 444444444;  // nine counts of four
constexpr int kMaxCount = 4;
constexpr const char* kTableFileName = "ShantenTable.txt";
// Singles with no other tile within distance 2 lie at least three places apart: three at most.
constexpr int kMostIsolated = 3;

// White-space separated tokens from a file, read through a fixed buffer. A token longer than
// any number the table holds is reported as too long rather than grown without bound.
class TableTokens {
  public:
    explicit TableTokens(std::FILE* file) : file_(file) {}

    enum class Status { kToken, kTooLong, kEnd };

    Status Next(std::string_view* token) {
        int c = SkipSpace();
        if (c == EOF) return Status::kEnd;
        std::size_t length = 0;
        bool tooLong = false;
        while (c != EOF && !IsSpace(c)) {
            if (length < token_.size()) {
                token_[length++] = static_cast<char>(c);
            } else {
                tooLong = true;
            }
            c = Get();
        }
        *token = std::string_view(token_.data(), length);
        return tooLong ? Status::kTooLong : Status::kToken;
    }

  private:
    static bool IsSpace(int c) {
        return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\v' || c == '\f';
    }

    int Get() {
        if (pos_ == size_) {
            size_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
            pos_ = 0;
            if (size_ == 0) return EOF;
        }
        return static_cast<unsigned char>(buffer_[pos_++]);
    }

    int SkipSpace() {
        int c = Get();
        while (c != EOF && IsSpace(c)) c = Get();
        return c;
    }

    std::FILE* file_;
    std::array<char, 1 << 14> buffer_{};
    std::size_t pos_ = 0, size_ = 0;
    std::array<char, 24> token_{};
};

// A whole token as a signed integer; false for anything else.
bool ReadInteger(TableTokens& reader, std::int64_t* out) {
    std::string_view token;
    if (reader.Next(&token) != TableTokens::Status::kToken) return false;
    const char* end = token.data() + token.size();
    auto [ptr, ec] = std::from_chars(token.data(), end, *out);
    return ec == std::errc() && ptr == end;
}

// The pattern index of a key, or -1 when a digit exceeds 4 or the key is out of range.
std::int64_t PatternOfKey(std::int64_t key, int* tiles) {
    if (key < 0 || key > kMaxKey) return -1;
    std::int64_t pattern = 0;
    int sum = 0;
    for (int i = kSuitLength - 1; i >= 0; --i) {
        int digit = static_cast<int>(key % 10);
        key /= 10;
        if (digit > kMaxCount) return -1;
        pattern += digit * static_cast<std::int64_t>(kPatternPlace[i]);
        sum += digit;
    }
    *tiles = sum;
    return pattern;
}

// The staircase of a value S1 P1 S2 P2, packed.
PackedStairs StairsOfValue(int value) {
    const int s1 = value / 1000, p1 = value / 100 % 10, s2 = value / 10 % 10, p2 = value % 10;
    Stairs stairs = kNoStairs;
    AddArrangement(stairs, s1, s1 + p1);
    AddArrangement(stairs, s2, s2 + p2);
    return PackStairs(stairs);
}

// What the facts need of some consecutive places of a pattern, as bits by place.
struct PlaceBits {
    std::uint32_t held = 0, singles = 0, pairs = 0;
    std::uint32_t kinds = 0;
    int tiles = 0;
};

// The places first .. first + places - 1 of the base-5 `index` that holds just those counts.
PlaceBits BitsOfPlaces(std::uint32_t index, int first, int places) {
    PlaceBits bits;
    for (int i = first + places - 1; i >= first; --i, index /= 5) {
        const std::uint32_t c = index % 5;
        bits.held |= static_cast<std::uint32_t>(c >= 1) << i;
        bits.singles |= static_cast<std::uint32_t>(c == 1) << i;
        bits.pairs |= static_cast<std::uint32_t>(c >= 2) << i;
        bits.kinds += c >= 1;
        bits.tiles += static_cast<int>(c);
    }
    return bits;
}

}  // namespace

ShantenTable::ShantenTable() {
    Resolve(std::vector<std::uint16_t>(kSuitPatterns, kAbsent));
}

ShantenTableLoad ShantenTable::LoadFrom(const std::string& path) {
    ShantenTableLoad load;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "r"),
                                                         &std::fclose);
    if (!file) return load;
    load.opened = true;

    // The values by pattern only while the classes are derived from them.
    std::vector<std::uint16_t> values(kSuitPatterns, kAbsent);
    TableTokens reader(file.get());
    std::int64_t count = 0;
    if (ReadInteger(reader, &count)) {
        for (std::int64_t i = 0; i < count; ++i) {
            std::int64_t key = 0, value = 0;
            if (!ReadInteger(reader, &key) || !ReadInteger(reader, &value)) break;
            int tiles = 0;
            std::int64_t pattern = PatternOfKey(key, &tiles);
            if (pattern < 0 || value < 0 || value > kMaxValue || values[pattern] != kAbsent) {
                ++load.skipped;
                continue;
            }
            values[pattern] = static_cast<std::uint16_t>(value);
            ++load.entries;
        }
    }
    Resolve(values);
    return load;
}

int ShantenTable::SuitValue(int n, std::int64_t key) const {
    int tiles = 0;
    std::int64_t pattern = PatternOfKey(key, &tiles);
    if (pattern < 0 || tiles != n) return 0;
    const std::uint64_t word = stored_[pattern / 64], bit = std::uint64_t{1} << (pattern % 64);
    if (!(word & bit)) return 0;
    return storedValues_[storedBefore_[pattern / 64] + std::popcount(word & (bit - 1))];
}

std::size_t ShantenTable::Bytes() const {
    return stored_.capacity() * sizeof(std::uint64_t) +
           storedBefore_.capacity() * sizeof(std::uint32_t) +
           storedValues_.capacity() * sizeof(std::uint16_t) +
           (highFacts_.capacity() + lowFacts_.capacity()) * sizeof(SuitFacts) +
           classOf_.capacity() * sizeof(std::uint16_t) + classes_.capacity() * sizeof(PartState) +
           (pairOfSuits_.capacity() + suitAndHonours_.capacity()) * sizeof(std::uint16_t) +
           regular_.capacity();
}

// Everything from the values by pattern: the compact values, the facts of the two halves of a
// pattern, and for every raw pattern the arrangements read for what remains once the isolated
// singles are cleared (all found on the unchanged counts first); at most one remaining tile
// reads 0 without a look-up. A pattern is taken as its first five places and its last four,
// each worked out once, so each of the 5^9 patterns costs a few bit operations.
void ShantenTable::Resolve(const std::vector<std::uint16_t>& values) {
    constexpr std::uint32_t kPlaces = (1u << kSuitLength) - 1;
    constexpr int kLowPlaces = kSuitLength - kHighPlaces;
    const auto factsOf = [](const PlaceBits& bits) {
        const std::uint32_t ends = (bits.held & 1) + (bits.held >> (kSuitLength - 1) & 1);
        return SuitFacts{bits.pairs | bits.kinds << SuitFacts::kKindsShift |
                         ends << SuitFacts::kEndsShift |
                         static_cast<std::uint32_t>(bits.tiles) << SuitFacts::kTilesShift};
    };
    std::array<PlaceBits, kLowPatterns> lows;
    lowFacts_.resize(kLowPatterns);
    for (std::uint32_t low = 0; low < kLowPatterns; ++low) {
        lows[low] = BitsOfPlaces(low, kHighPlaces, kLowPlaces);
        lowFacts_[low] = factsOf(lows[low]);
    }
    highFacts_.resize(kSuitPatterns / kLowPatterns);
    for (std::uint32_t high = 0; high < kSuitPatterns / kLowPatterns; ++high)
        highFacts_[high] = factsOf(BitsOfPlaces(high, 0, kHighPlaces));

    constexpr int kWord = 64;
    stored_.assign((kSuitPatterns + kWord - 1) / kWord, 0);
    storedBefore_.assign(stored_.size(), 0);
    storedValues_.clear();
    int mostStoredTiles = -1;
    for (std::uint32_t pattern = 0; pattern < kSuitPatterns; ++pattern) {
        if (pattern % kWord == 0)
            storedBefore_[pattern / kWord] = static_cast<std::uint32_t>(storedValues_.size());
        if (values[pattern] == kAbsent) continue;
        stored_[pattern / kWord] |= std::uint64_t{1} << (pattern % kWord);
        storedValues_.push_back(values[pattern]);
        mostStoredTiles = std::max(mostStoredTiles, FactsOf(pattern).Tiles());
    }
    storedValues_.shrink_to_fit();
    entries_ = static_cast<int>(storedValues_.size());

    // Each value's staircase by id, so that a pattern's own staircase takes a byte while the
    // classes are found.
    StairsIds ids;
    std::vector<std::uint8_t> stairsOf(kMaxValue + 1);
    for (int value = 0; value <= kMaxValue; ++value)
        stairsOf[value] = ids.IdOf(StairsOfValue(value));
    // Each pattern's own staircase; one of more tiles than a stored key and the singles it may
    // clear reads nothing.
    std::vector<std::uint8_t> own(kSuitPatterns, stairsOf[0]);
    for (std::uint32_t high = 0; high < kSuitPatterns / kLowPatterns; ++high) {
        const PlaceBits h = BitsOfPlaces(high, 0, kHighPlaces);
        for (std::uint32_t low = 0; low < kLowPatterns; ++low) {
            const PlaceBits& l = lows[low];
            int kept = h.tiles + l.tiles;
            if (kept - kMostIsolated > mostStoredTiles) continue;
            const std::uint32_t raw = high * kLowPatterns + low;
            const std::uint32_t held = h.held | l.held;
            // A single is isolated when no place within distance 2 holds a tile.
            const std::uint32_t near = (held << 1 | held << 2 | held >> 1 | held >> 2) & kPlaces;
            std::uint32_t cleaned = raw;
            for (std::uint32_t bits = (h.singles | l.singles) & ~near; bits != 0;
                 bits &= bits - 1) {
                cleaned -= kPatternPlace[std::countr_zero(bits)];
                --kept;
            }
            const std::uint16_t value = values[cleaned];
            if (kept > 1 && value != kAbsent) own[raw] = stairsOf[value];
        }
    }
    Classify(own, ids, mostStoredTiles);
    MakeCombinations();
}

// A pattern's state: its own arrangements, and those left once each of its pairs is set aside.
// A pattern of more tiles than the largest stored key and the singles it may clear, less a
// pair, reads nothing as held or with a pair set aside
// (it holds one, having more tiles than places): all such patterns share one class.
//
// An arrangement of S sets has at least min(S, 4) groups, so a step above its group count
// continues flat to the next: 35 staircases can stand for a pattern as held and 37 with a pair
// set aside (StairsIds), 1295 classes at most, whatever the values.
void ShantenTable::Classify(const std::vector<std::uint8_t>& own, StairsIds& ids,
                            int mostStoredTiles) {
    constexpr int kPairTiles = 2;
    constexpr std::uint16_t kUnknown = 0xFFFF;
    classOf_.resize(kSuitPatterns);
    classes_.clear();
    std::vector<std::uint16_t> classOfStairs(StairsIds::kMost * StairsIds::kMost, kUnknown);
    const auto classOf = [&](std::uint8_t plain, std::uint8_t withPair) {
        std::uint16_t& id = classOfStairs[plain * StairsIds::kMost + withPair];
        if (id == kUnknown) {
            id = static_cast<std::uint16_t>(classes_.size());
            classes_.push_back(
                {UnpackStairs(ids.StairsOf(plain)), UnpackStairs(ids.StairsOf(withPair))});
        }
        return id;
    };
    const std::uint8_t nothing = ids.IdOf(StairsOfValue(0)),
                       noPair = ids.IdOf(PackStairs(kNoStairs));
    const std::uint16_t readsNothing = classOf(nothing, nothing);
    for (std::uint32_t high = 0; high < kSuitPatterns / kLowPatterns; ++high) {
        for (std::uint32_t low = 0; low < kLowPatterns; ++low) {
            const std::uint32_t raw = high * kLowPatterns + low;
            const SuitFacts facts{highFacts_[high].word + lowFacts_[low].word};
            if (facts.Tiles() - kPairTiles - kMostIsolated > mostStoredTiles) {
                classOf_[raw] = readsNothing;
                continue;
            }
            std::uint8_t withPair = noPair;
            for (std::uint32_t bits = facts.PairBits(); bits != 0; bits &= bits - 1)
                withPair = ids.Max(withPair, own[raw - 2 * kPatternPlace[std::countr_zero(bits)]]);
            classOf_[raw] = classOf(own[raw], withPair);
        }
    }
    classes_.shrink_to_fit();
}

namespace {

// Gives each distinct state met an id in order.
class StateIds {
  public:
    std::uint32_t IdOf(const PartState& state) {
        auto [it, added] = ids_.try_emplace(state, static_cast<std::uint32_t>(states_.size()));
        if (added) states_.push_back(state);
        return it->second;
    }
    const std::vector<PartState>& States() const { return states_; }

  private:
    std::map<PartState, std::uint32_t> ids_;
    std::vector<PartState> states_;
};

}  // namespace

// The tables only pay while they stay small, as they do for the generated values.
void ShantenTable::MakeCombinations() {
    constexpr std::size_t kTabledClasses = 256, kMostValues = std::size_t{1} << 20;
    pairOfSuits_.clear();
    suitAndHonours_.clear();
    regular_.clear();
    const std::size_t n = classes_.size();
    if (n > kTabledClasses) return;
    StateIds two, last;
    std::vector<std::uint16_t> pairOfSuits(n * n), suitAndHonours(n * kHonourStates);
    for (std::size_t a = 0; a < n; ++a)
        for (std::size_t b = 0; b < n; ++b) {
            const PartState state = Combine(classes_[a], classes_[b]);
            pairOfSuits[a * n + b] = static_cast<std::uint16_t>(two.IdOf(state));
        }
    for (std::size_t c = 0; c < n; ++c)
        for (int h = 0; h < kHonourStates; ++h) {
            if (!HonourStateHeld(h)) continue;
            const PartState state = Combine(classes_[c], HonourState(h));
            suitAndHonours[c * kHonourStates + h] = static_cast<std::uint16_t>(last.IdOf(state));
        }
    const std::size_t twos = two.States().size(), lasts = last.States().size();
    if (twos * lasts > kMostValues) return;
    regular_.resize(twos * lasts);
    for (std::size_t i = 0; i < twos; ++i)
        for (std::size_t j = 0; j < lasts; ++j)
            regular_[i * lasts + j] =
                static_cast<std::int8_t>(RegularValue(Combine(two.States()[i], last.States()[j])));
    pairOfSuits_ = std::move(pairOfSuits);
    suitAndHonours_ = std::move(suitAndHonours);
    lastStates_ = static_cast<std::uint32_t>(lasts);
}

int ShantenTable::RegularCombined(const std::uint32_t (&suitClass)[3], int honours) const {
    return RegularValue(Combine(Combine(classes_[suitClass[0]], classes_[suitClass[1]]),
                                Combine(classes_[suitClass[2]], HonourState(honours))));
}
ShantenTableLoad LoadFirstUsable(ShantenTable& table, const std::vector<std::string>& paths) {
    ShantenTableLoad load;
    for (const std::string& path : paths) {
        ShantenTableLoad tried = table.LoadFrom(path);
        if (tried.opened) load = tried;
        if (tried.entries > 0) break;
    }
    return load;
}

std::vector<std::string> ShantenTablePaths(const std::string& programDirectory) {
    std::vector<std::string> paths = {kTableFileName};
    if (programDirectory.empty()) return paths;
    paths.push_back(programDirectory + kTableFileName);
    const std::string share = InstalledShareDirectory(programDirectory);
    if (!share.empty()) paths.push_back(share + kTableFileName);
    return paths;
}

namespace {

struct ProcessTable {
    ShantenTable table;
    ShantenTableLoad load = LoadFirstUsable(table, ShantenTablePaths(ProgramDirectory()));
};

// Built once, on first use, by whichever thread gets there first; the others wait for it.
const ProcessTable& TheProcessTable() {
    static const ProcessTable process;
    return process;
}

}  // namespace

ShantenTableLoad LoadShantenTable() {
    return TheProcessTable().load;
}

const ShantenTable& ProcessShantenTable() {
    return TheProcessTable().table;
}

}  // namespace mizaro
