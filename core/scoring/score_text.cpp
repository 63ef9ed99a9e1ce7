#include "core/scoring/score_text.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "core/kyoku_state.h"
#include "core/scoring/points.h"
#include "core/scoring/yaku_names.h"

namespace mizaro {

namespace {

constexpr int kDoubleYakumanHan = 2 * kYakumanHan;

template <typename... Args>
void AppendFormat(std::string& out, const char* format, Args... args) {
    char buf[256];
    const int n = std::snprintf(buf, sizeof buf, format, args...);
    if (n > 0) out.append(buf, static_cast<std::size_t>(std::min<int>(n, sizeof buf - 1)));
}

// Summary lines of the limit hands that show the han beside the label.
struct LimitLine {
    int points;
    const char* label;
};

// Everything the text says, in one language. Each format names its arguments in order.
struct ScoreWords {
    LimitLine limitsWithHan[4];
    LimitLine multipleYakuman[5];   // they show only the points
    const char* yakumanLine;        // yaku name
    const char* doubleYakumanLine;  // yaku name
    const char* hanLine;            // yaku name, han
    const char* limitSummary;       // label, han, points
    const char* yakumanSummary;     // points
    const char* countedSummary;     // han, points
    const char* multipleSummary;    // label, points
    const char* fuSummary;          // fu, han, points
};

constexpr ScoreWords kJapanese = {
    {{12000, "満貫"}, {18000, "跳満"}, {24000, "倍満"}, {36000, "三倍満"}},
    {{96000, "ダブル役満"},
     {144000, "トリプル役満"},
     {192000, "四倍役満"},
     {240000, "五倍役満"},
     {288000, "六倍役満"}},
    "%s\t役満\n",
    "%s\tダブル役満\n",
    "%s\t%d 翻\n",
    "\n%s\t%d 翻\t%d 点\n",
    "\n役満\t\t%d 点\n",
    "\n数え役満\t%d 翻\t%d 点\n",
    "\n%s\t\t%d 点\n",
    "\n%d符\t%d 翻\t%d 点\n"};

constexpr ScoreWords kEnglish = {
    {{12000, "Mangan"}, {18000, "Haneman"}, {24000, "Baiman"}, {36000, "Sanbaiman"}},
    {{96000, "Double yakuman"},
     {144000, "Triple yakuman"},
     {192000, "Quadruple yakuman"},
     {240000, "Quintuple yakuman"},
     {288000, "Sextuple yakuman"}},
    "%s\tYakuman\n",
    "%s\tDouble yakuman\n",
    "%s\t%d han\n",
    "\n%s\t%d han\t%d points\n",
    "\nYakuman\t\t%d points\n",
    "\nCounted yakuman\t%d han\t%d points\n",
    "\n%s\t\t%d points\n",
    "\n%d fu\t%d han\t%d points\n"};

}  // namespace

std::string FormatScoreText(const AgariResult& r, Language language) {
    const ScoreWords& words = language == Language::kJapanese ? kJapanese : kEnglish;
    std::string text;
    int total = 0;
    for (YakuId id = 0; id < kYakuCount; ++id) {
        const int b = r.han.GetHan(id);
        if (b == 0) continue;
        total += b;
        const char* name = YakuName(id, language).data();
        // Only the two yakuman values have a label; any other count, even dora above 12 han
        // in a loaded position, keeps its han line so that the lines add up to the total.
        if (b == kYakumanHan)
            AppendFormat(text, words.yakumanLine, name);
        else if (b == kDoubleYakumanHan)
            AppendFormat(text, words.doubleYakumanLine, name);
        else
            AppendFormat(text, words.hanLine, name, b);
    }

    const int p = r.points;
    for (const LimitLine& line : words.limitsWithHan) {
        if (p != line.points) continue;
        AppendFormat(text, words.limitSummary, line.label, total, p);
        return text;
    }
    if (p == kYakumanPoints) {
        // Several ordinary yaku reaching thirteen han are a counted yakuman.
        if (r.han.YakuCount() < 2)
            AppendFormat(text, words.yakumanSummary, p);
        else
            AppendFormat(text, words.countedSummary, total, p);
        return text;
    }
    for (const LimitLine& line : words.multipleYakuman) {
        if (p != line.points) continue;
        AppendFormat(text, words.multipleSummary, line.label, p);
        return text;
    }
    AppendFormat(text, words.fuSummary, r.fu, total, p);
    return text;
}

std::string KyokuState::ScoreText(Language language) {
    // An incomplete hand has no score; `result` would still hold an earlier win.
    if (EvaluateWin(false, false) == 0) return {};
    return FormatScoreText(result, language);
}

}  // namespace mizaro
