#include "core/shanten_table.h"

#include <array>
#include <bit>
#include <charconv>
#include <cstdio>
#include <memory>

#include "platform/program_directory.h"

namespace mizaro {

namespace {

constexpr std::uint16_t kAbsent = 0xFFFF;
constexpr int kMaxValue = 9999;              // four decimal digits S1 P1 S2 P2
constexpr std::int64_t kMaxKey = 444444444;  // nine counts of four
constexpr int kMaxCount = 4;
constexpr const char* kTableFileName = "ShantenTable.txt";

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

PackedSuitSets Pack(int value) {
    int s1 = value / 1000, p1 = value / 100 % 10, s2 = value / 10 % 10, p2 = value % 10;
    return static_cast<PackedSuitSets>(s1 << 12 | p1 << 8 | s2 << 4 | p2);
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

ShantenTable::ShantenTable() : values_(kSuitPatterns, kAbsent), facts_(kSuitPatterns) {
    ResolvePatterns();
}

ShantenTableLoad ShantenTable::LoadFrom(const std::string& path) {
    ShantenTableLoad load;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "r"),
                                                         &std::fclose);
    if (!file) return load;
    load.opened = true;

    values_.assign(kSuitPatterns, kAbsent);
    entries_ = 0;
    TableTokens reader(file.get());
    std::int64_t count = 0;
    if (ReadInteger(reader, &count)) {
        for (std::int64_t i = 0; i < count; ++i) {
            std::int64_t key = 0, value = 0;
            if (!ReadInteger(reader, &key) || !ReadInteger(reader, &value)) break;
            int tiles = 0;
            std::int64_t pattern = PatternOfKey(key, &tiles);
            if (pattern < 0 || value < 0 || value > kMaxValue || values_[pattern] != kAbsent) {
                ++load.skipped;
                continue;
            }
            values_[pattern] = static_cast<std::uint16_t>(value);
            ++entries_;
        }
    }
    load.entries = entries_;
    ResolvePatterns();
    return load;
}

int ShantenTable::SuitValue(int n, std::int64_t key) const {
    int tiles = 0;
    std::int64_t pattern = PatternOfKey(key, &tiles);
    if (pattern < 0 || tiles != n) return 0;
    std::uint16_t value = values_[pattern];
    return value == kAbsent ? 0 : value;
}

// For every raw pattern: its facts, with the arrangements read for what remains once the
// isolated singles are cleared (all found on the unchanged counts first); at most one remaining
// tile reads 0 without a look-up. A pattern is taken as its first five places and its last
// four, each worked out once, so each of the 5^9 patterns costs a few bit operations.
void ShantenTable::ResolvePatterns() {
    constexpr std::uint32_t kPlaces = (1u << kSuitLength) - 1;
    constexpr int kLowPlaces = 4;
    constexpr int kHighPlaces = kSuitLength - kLowPlaces;
    constexpr std::uint32_t kLowPatterns = 625;  // 5^4
    const int last = kSuitLength - 1;
    std::array<PlaceBits, kLowPatterns> lows;
    for (std::uint32_t low = 0; low < kLowPatterns; ++low)
        lows[low] = BitsOfPlaces(low, kHighPlaces, kLowPlaces);
    for (std::uint32_t high = 0; high < kSuitPatterns / kLowPatterns; ++high) {
        const PlaceBits h = BitsOfPlaces(high, 0, kHighPlaces);
        for (std::uint32_t low = 0; low < kLowPatterns; ++low) {
            const PlaceBits& l = lows[low];
            const std::uint32_t raw = high * kLowPatterns + low;
            const std::uint32_t held = h.held | l.held, pairBits = h.pairs | l.pairs;
            // A single is isolated when no place within distance 2 holds a tile.
            const std::uint32_t near = (held << 1 | held << 2 | held >> 1 | held >> 2) & kPlaces;
            std::uint32_t cleaned = raw;
            int kept = h.tiles + l.tiles;
            for (std::uint32_t bits = (h.singles | l.singles) & ~near; bits != 0;
                 bits &= bits - 1) {
                cleaned -= kPatternPlace[std::countr_zero(bits)];
                --kept;
            }
            const std::uint32_t ends = (held & 1) + (held >> last & 1);
            const std::uint32_t endPair = (pairBits & 1) | (pairBits >> last & 1);
            const std::uint16_t value = values_[cleaned];
            const PackedSuitSets sets = (kept <= 1 || value == kAbsent) ? 0 : Pack(value);
            facts_[raw].word = sets | pairBits << SuitFacts::kPairBitsShift |
                               (h.kinds + l.kinds) << SuitFacts::kKindsShift |
                               ends << SuitFacts::kEndsShift | endPair << SuitFacts::kEndPairShift;
        }
    }
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
