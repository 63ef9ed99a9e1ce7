#include "app/settings.h"

#include <climits>
#include <cstdio>
#include <optional>

#include "platform/atomic_file.h"
#include "platform/data_directory.h"
#include "platform/read_file.h"
#include "platform/text_encoding.h"
#include "platform/token_reader.h"
#include "stats/user_name.h"

namespace mizaro {

namespace {

// A number key with the values the program can act on; a value outside them would reach the
// search depth, a tab index or a filter bound unchecked, so it is refused and the field keeps
// what it had.
struct NumberKey {
    const char* key;
    int Settings::*field;
    int min;
    int max;
};

constexpr int kLastSearchLevel = 3;
constexpr int kDeepestReport = 5;
constexpr int kLastAssist = 3;
constexpr int kLastAnalysisPage = 4;
constexpr int kLastFilterShanten = 6;
constexpr int kLastMode = 3;

// In the order of the file.
constexpr NumberKey kBeforeUser[] = {
    {"X", &Settings::X, INT_MIN, INT_MAX},
    {"Y", &Settings::Y, INT_MIN, INT_MAX},
    {"Shanten", &Settings::Shanten, INT_MIN, INT_MAX},
    {"Result", &Settings::Result, INT_MIN, INT_MAX},
    {"SimInt", &Settings::SimInt, 0, INT_MAX},
    {"SimDisp", &Settings::SimDisp, INT_MIN, INT_MAX},
    {"SimShan", &Settings::SimShan, 1, kLastSearchLevel},
    {"SimClear", &Settings::SimClear, 0, INT_MAX},
    {"NanikiruDepth", &Settings::NanikiruDepth, 1, kDeepestReport},
};
constexpr const char* kUserNameKey = "UserName";
constexpr NumberKey kAfterUser[] = {
    {"Assist", &Settings::Assist, -1, kLastAssist},
    {"AnaSelectTab", &Settings::AnaSelectTab, 0, kLastAnalysisPage},
    // Any number the analysis window takes: one below 1 selects no game, and must come back so.
    {"FilterKyoku", &Settings::FilterKyoku, INT_MIN, INT_MAX},
    {"FilterHai1", &Settings::FilterHai1, -1, kLastFilterShanten},
    {"FilterHai2", &Settings::FilterHai2, -1, kLastFilterShanten},
    {"FilterLast1", &Settings::FilterLast1, -1, kLastFilterShanten},
    {"FilterLast2", &Settings::FilterLast2, -1, kLastFilterShanten},
    {"FilterReach1", &Settings::FilterReach1, INT_MIN, INT_MAX},
    {"FilterReach0", &Settings::FilterReach0, INT_MIN, INT_MAX},
    {"FilterMode", &Settings::FilterMode, 0, kLastMode},
    {"FilterYakuMode", &Settings::FilterYakuMode, INT_MIN, INT_MAX},
};
constexpr const char* kFilterYakuKey = "FilterYaku";

static_assert(std::size(kBeforeUser) + std::size(kAfterUser) + 2 == kSettingsKeyCount);

bool IsYakuSelection(std::string_view v) {
    if (v.size() != static_cast<std::size_t>(kYakuCount)) return false;
    for (char c : v)
        if (c != '0' && c != '1') return false;
    return true;
}

void AppendNumbers(std::string& out, const Settings& s, const NumberKey* begin,
                   const NumberKey* end) {
    char line[64];
    for (const NumberKey* k = begin; k != end; ++k) {
        std::snprintf(line, sizeof line, "%s\t%d\n", k->key, s.*k->field);
        out += line;
    }
}

}  // namespace

void Settings::ResetToDefaults() {
    Settings defaults;
    defaults.path = std::move(path);
    defaults.fileUnreadable = fileUnreadable;
    *this = std::move(defaults);
}

std::string FormatSettings(const Settings& s) {
    std::string out;
    AppendNumbers(out, s, std::begin(kBeforeUser), std::end(kBeforeUser));
    // The file is code page 932; a name that cannot be written there could not be read back.
    std::optional<std::string> user =
        IsValidUserName(s.UserName) ? Utf8ToCp932(s.UserName) : std::nullopt;
    out += std::string(kUserNameKey) + "\t" + user.value_or(std::string(kDefaultUserName)) + "\n";
    AppendNumbers(out, s, std::begin(kAfterUser), std::end(kAfterUser));
    const std::string& yaku = IsYakuSelection(s.FilterYaku) ? s.FilterYaku : Settings{}.FilterYaku;
    out += std::string(kFilterYakuKey) + "\t" + yaku + "\n";
    return out;
}

SettingsReport ParseSettings(std::string_view text, Settings& s) {
    SettingsReport report;
    TokenReader in(text);
    auto readNumber = [&](std::string_view token, const NumberKey* begin, const NumberKey* end) {
        for (const NumberKey* k = begin; k != end; ++k) {
            if (token != k->key) continue;
            // A value that is not a number is left to be read (and skipped) as a key.
            std::optional<int> v = in.NextInt();
            if (v && *v >= k->min && *v <= k->max)
                s.*k->field = *v;
            else if (v)
                ++report.valuesRefused;
            return true;
        }
        return false;
    };
    auto readKey = [&](std::string_view token) {
        if (readNumber(token, std::begin(kBeforeUser), std::end(kBeforeUser)) ||
            readNumber(token, std::begin(kAfterUser), std::end(kAfterUser)))
            return true;
        if (token == kUserNameKey) {
            std::optional<std::string_view> v = in.Next();
            if (!v) return true;
            // A name that cannot be a file name must not become one: the default user stands in.
            // So does "StatCom", whose files are the computer's: the computer's summary, saved
            // after the user's at the close, would write over the games the user played.
            std::optional<std::string> name = Cp932ToUtf8(*v);
            if (name && IsValidUserName(*name) && *name != kComputerStatName) {
                s.UserName = *name;
            } else {
                s.UserName = kDefaultUserName;
                ++report.valuesRefused;
            }
            return true;
        }
        if (token == kFilterYakuKey) {
            std::optional<std::string_view> v = in.Next();
            if (v && IsYakuSelection(*v))
                s.FilterYaku = *v;
            else if (v)
                ++report.valuesRefused;
            return true;
        }
        return false;
    };
    while (std::optional<std::string_view> token = in.Next()) {
        if (readKey(*token))
            ++report.keysRead;
        else
            ++report.tokensSkipped;
    }
    return report;
}

std::string SettingsFilePath() {
    return DataDirectory() + kSettingsFileName;
}

SettingsReport LoadSettings(Settings& settings) {
    settings.ResetToDefaults();
    FileContents file = ReadFileContents(settings.path);
    settings.fileUnreadable = file.status == ReadStatus::kUnreadable;
    if (file.status != ReadStatus::kRead) return {};
    SettingsReport report = ParseSettings(file.data, settings);
    report.opened = true;
    return report;
}

bool SaveSettings(const Settings& settings) {
    if (settings.fileUnreadable) return true;
    return WriteFileAtomically(settings.path, FormatSettings(settings));
}

}  // namespace mizaro
