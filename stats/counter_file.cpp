#include "stats/counter_file.h"

#include <cassert>
#include <charconv>
#include <cstdio>
#include <optional>

#include "core/scoring/yaku_names.h"
#include "platform/text_encoding.h"
#include "platform/token_reader.h"

namespace mizaro {

namespace {

// Keys and yaku names are at most this long; a longer token can match nothing.
constexpr std::size_t kMaxTokenBytes = 255;

struct IntKey {
    const char* key;
    int StatSummary::*field;
};

constexpr IntKey kIntKeysBeforeTen[] = {
    {"N", &StatSummary::N}, {"nAgari", &StatSummary::nAgari}, {"AgariJun", &StatSummary::AgariJun}};
constexpr IntKey kIntKeysAfterTen[] = {{"TenpaiJun", &StatSummary::TenpaiJun},
                                       {"nNoten", &StatSummary::nNoten},
                                       {"nReach", &StatSummary::nReach},
                                       {"ReachJun", &StatSummary::ReachJun},
                                       {"NoReach", &StatSummary::NoReach}};
constexpr const char* kAgariTenKey = "AgariTen";
constexpr int kAgariTenDecimals = 6;
constexpr const char* kShantenKey = "Shanten";
constexpr const char* kYakuKey = "Yaku";

// The yaku names as they are on disk, so reading compares bytes with bytes.
struct DiskYakuNames {
    std::array<std::string, kYakuCount> names;
    DiskYakuNames() {
        for (YakuId y = 0; y < kYakuCount; ++y)
            names[y] = Utf8ToCp932(YakuName(y)).value_or(std::string(YakuName(y)));
    }
    YakuId Find(std::string_view token) const {
        for (YakuId y = 0; y < kYakuCount; ++y)
            if (names[y] == token) return y;
        return -1;
    }
};

const DiskYakuNames& YakuNamesOnDisk() {
    static const DiskYakuNames table;
    return table;
}

void AppendLine(std::string& out, const char* key, int value) {
    char line[64];
    std::snprintf(line, sizeof line, "%s\t%d\n", key, value);
    out += line;
}

}  // namespace

std::string FormatCounterFile(const StatSummary& s) {
    std::string out;
    for (const IntKey& k : kIntKeysBeforeTen) AppendLine(out, k.key, s.*k.field);
    // Six decimals after a point, as "%f" gives in the C locale. to_chars ignores the process
    // locale, which a desktop toolkit sets from the environment: under a German one "%f" would
    // write "12300,000000", which no reader takes for a number.
    char line[400];  // the largest double takes some 320 characters this way
    auto [end, ec] = std::to_chars(line, line + sizeof line, s.AgariTen, std::chars_format::fixed,
                                   kAgariTenDecimals);
    out += kAgariTenKey;
    out += '\t';
    assert(ec == std::errc());
    out.append(line, end);
    out += '\n';
    for (const IntKey& k : kIntKeysAfterTen) AppendLine(out, k.key, s.*k.field);
    out += kShantenKey;
    for (int v : s.Shanten) {
        std::snprintf(line, sizeof line, " %d", v);
        out += line;
    }
    out += '\n';
    int present = 0;
    for (int c : s.yakuCount) present += c > 0;
    AppendLine(out, kYakuKey, present);
    for (YakuId y = 0; y < kYakuCount; ++y) {
        if (s.yakuCount[y] <= 0) continue;
        out += YakuNamesOnDisk().names[y];
        std::snprintf(line, sizeof line, "\t%d\n", s.yakuCount[y]);
        out += line;
    }
    return out;
}

CounterFileReport ParseCounterFile(std::string_view text, StatSummary& s) {
    CounterFileReport report;
    TokenReader in(text);
    // A value that is not a number is left in place, so a key with a missing value does not
    // swallow the key after it.
    auto readInt = [&](int& field) {
        if (std::optional<int> v = in.NextInt()) field = *v;
    };
    auto matchInt = [&](std::string_view token, const IntKey* begin, const IntKey* end) {
        for (const IntKey* k = begin; k != end; ++k) {
            if (token != k->key) continue;
            readInt(s.*k->field);
            return true;
        }
        return false;
    };
    auto readYaku = [&] {
        std::optional<int> n = in.NextInt();
        // The count is only a bound: a file that ends early ends the list.
        for (int i = 0; n && i < *n && !in.AtEnd(); ++i) {
            std::string_view yakuName = *in.Next();
            std::optional<int> count = in.NextInt();
            YakuId y = YakuNamesOnDisk().Find(yakuName);
            if (y < 0)
                ++report.unknownYaku;
            else if (count)
                s.yakuCount[y] = *count;
        }
    };
    auto readKey = [&](std::string_view token) {
        if (matchInt(token, std::begin(kIntKeysBeforeTen), std::end(kIntKeysBeforeTen)) ||
            matchInt(token, std::begin(kIntKeysAfterTen), std::end(kIntKeysAfterTen)))
            return true;
        if (token == kAgariTenKey) {
            if (std::optional<double> v = in.NextReal()) s.AgariTen = *v;
        } else if (token == kShantenKey) {
            for (int& v : s.Shanten) readInt(v);
        } else if (token == kYakuKey) {
            readYaku();
        } else {
            return false;
        }
        return true;
    };
    while (std::optional<std::string_view> token = in.Next()) {
        if (token->size() <= kMaxTokenBytes && readKey(*token))
            ++report.keysRead;
        else
            ++report.tokensSkipped;
    }
    return report;
}

}  // namespace mizaro
