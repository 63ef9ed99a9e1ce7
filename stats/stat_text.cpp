#include "stats/stat_text.h"

#include <algorithm>

#include "core/scoring/yaku_names.h"
#include "platform/text_encoding.h"
#include "stats/in_language.h"
#include "stats/stat_figures.h"
#include "stats/stat_page.h"

namespace mizaro {

namespace {

constexpr double kPercent = 100.0;
constexpr std::size_t kNameColumnBytes = 12;  // six full-width characters
constexpr const char* kIdeographicSpace = "　";

std::string Figures(const StatSummary& s) {
    const StatFigures f = FiguresOf(s);
    std::string text;
    text += Format("局数　　　　　　　%d\r\n", s.N);
    text += Format("平均和了点　　　%d 点\r\n", CutToInt(f.winPoints));
    text += Format("平均和了順　　　%5.2lf\r\n", f.winTurn);
    text += Format("和了率　　　　　　%5.2lf ％\r\n", f.winRate);
    text += Format("テンパイ率　　　　%5.2lf ％\r\n", f.readyRate);
    text += Format("ノーテン率　　　　%5.2lf ％\r\n", f.notenRate);
    text += Format("リーチ率　　　　　%5.2lf ％\r\n", f.riichiRate);
    text += Format("リーチ成功率　　%5.2lf ％\r\n", f.riichiWins);
    text += Format("平均リーチ順　　%5.2lf 順\r\n", f.riichiTurn);
    text += Format("平均テンパイ順　%5.2lf 順\r\n\r\n", f.readyTurn);
    text += Format("期待値　　　　%7.2lf\r\n", f.value);
    return text;
}

// The English labels fill a column of ASCII spaces, as wide as the longest of them.
std::string EnglishFigures(const StatSummary& s) {
    const StatFigures f = FiguresOf(s);
    std::string text;
    text += Format("Games                    %d\r\n", s.N);
    text += Format("Average winning points   %d points\r\n", CutToInt(f.winPoints));
    text += Format("Average turn of winning  %5.2lf\r\n", f.winTurn);
    text += Format("Win rate                 %5.2lf %%\r\n", f.winRate);
    text += Format("Tenpai rate              %5.2lf %%\r\n", f.readyRate);
    text += Format("Noten rate               %5.2lf %%\r\n", f.notenRate);
    text += Format("Riichi rate              %5.2lf %%\r\n", f.riichiRate);
    text += Format("Riichi win rate          %5.2lf %%\r\n", f.riichiWins);
    text += Format("Average turn of riichi   %5.2lf\r\n", f.riichiTurn);
    text += Format("Average turn of tenpai   %5.2lf\r\n\r\n", f.readyTurn);
    text += Format("Expected value         %7.2lf\r\n", f.value);
    return text;
}

std::string YakuLines(const StatSummary& s, Language language) {
    std::string text;
    for (YakuId id : YakuOrder(s)) {
        if (s.yakuCount[id] <= 0) continue;
        const std::string name(YakuName(id, language));
        if (language == Language::kEnglish) {
            text += Format("%-17s%5.2lf %%\r\n", name.c_str(), YakuShare(s, id) * kPercent);
            continue;
        }
        // The names line up by their width in code page 932, two bytes a full-width character.
        const std::size_t bytes = Utf8ToCp932(name).value_or(name).size();
        text += name + kIdeographicSpace;
        for (std::size_t i = 0; i < (kNameColumnBytes - std::min(bytes, kNameColumnBytes)) / 2; ++i)
            text += kIdeographicSpace;
        text += Format("%5.2lf ％\r\n", YakuShare(s, id) * kPercent);
    }
    return text;
}

std::string ShantenLines(const StatSummary& s, Language language) {
    std::string text;
    for (int t = 1; t <= kMaxTurns; ++t) {
        text += Format(InLanguage(language, "%2d 順目　　", "Turn %2d    "), t);
        text += Format("%5.2lf\r\n", MeanShanten(s, t));
    }
    return text;
}

}  // namespace

std::string StatText(const StatSummary& user, int kind, Language language) {
    const auto figures = [&] {
        return language == Language::kEnglish ? EnglishFigures(user) : Figures(user);
    };
    switch (kind) {
        case kStatTextFigures:
            return figures();
        case kStatTextYaku:
            return YakuLines(user, language);
        case kStatTextShanten:
            return ShantenLines(user, language);
        case kStatTextAll:
            return figures() + "\r\n" + YakuLines(user, language) + "\r\n" +
                   ShantenLines(user, language);
        default:
            return {};
    }
}

}  // namespace mizaro
