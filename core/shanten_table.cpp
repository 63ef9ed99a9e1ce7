#include "core/shanten_table.h"

#include <array>
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
// tile reads 0 without a look-up.
void ShantenTable::ResolvePatterns() {
    constexpr std::uint32_t kPlaces = (1u << kSuitLength) - 1;
    std::array<int, kSuitLength> c{};
    const int last = kSuitLength - 1;
    for (std::uint32_t raw = 0; raw < kSuitPatterns; ++raw) {
        std::uint32_t held = 0, singles = 0, pairBits = 0, kinds = 0;
        for (int i = 0; i < kSuitLength; ++i) {
            kinds += c[i] >= 1;
            held |= static_cast<std::uint32_t>(c[i] >= 1) << i;
            singles |= static_cast<std::uint32_t>(c[i] == 1) << i;
            pairBits |= static_cast<std::uint32_t>(c[i] >= 2) << i;
        }
        // A single is isolated when no place within distance 2 holds a tile.
        std::uint32_t near = (held << 1 | held << 2 | held >> 1 | held >> 2) & kPlaces;
        std::uint32_t isolated = singles & ~near;
        std::uint32_t cleaned = 0;
        int kept = 0;
        for (int i = 0; i < kSuitLength; ++i) {
            if (isolated >> i & 1) continue;
            cleaned += c[i] * kPatternPlace[i];
            kept += c[i];
        }
        std::uint32_t ends = (c[0] >= 1) + (c[last] >= 1);
        std::uint32_t endPair = c[0] >= 2 || c[last] >= 2;
        std::uint16_t value = values_[cleaned];
        PackedSuitSets sets = (kept <= 1 || value == kAbsent) ? 0 : Pack(value);
        facts_[raw].word = sets | pairBits << SuitFacts::kPairBitsShift |
                           kinds << SuitFacts::kKindsShift | ends << SuitFacts::kEndsShift |
                           endPair << SuitFacts::kEndPairShift;

        // Next pattern in index order: the last place counts fastest.
        for (int i = last; i >= 0 && ++c[i] > kMaxCount; --i) c[i] = 0;
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
