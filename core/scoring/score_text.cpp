#include "core/scoring/score_text.h"

#include <algorithm>
#include <cstdio>
#include <string>
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
    const char* points;             // the amount
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
    "\n%s\t%d 翻\t%s\n",
    "\n役満\t\t%s\n",
    "\n数え役満\t%d 翻\t%s\n",
    "\n%s\t\t%s\n",
    "\n%d符\t%d 翻\t%s\n",
    "%d 点"};

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
    "\n%s\t%d han\t%s\n",
    "\nYakuman\t\t%s\n",
    "\nCounted yakuman\t%d han\t%s\n",
    "\n%s\t\t%s\n",
    "\n%d fu\t%d han\t%s\n",
    "%d points"};

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

    // A non-dealer's hand takes its label from what the same hand would score as the dealer,
    // and shows its payments beside the total: "8000 点 (2000-4000)".
    std::string shown;
    AppendFormat(shown, words.points, r.points);
    int p = r.points;
    if (!r.dealer) {
        const NonDealerPayments pay = NonDealerPaymentsFor(total, r.fu);
        AppendFormat(shown, " (%d-%d)", pay.other, pay.dealer);
        p = PointsFor(total, r.fu);
    }
    const char* points = shown.c_str();
    for (const LimitLine& line : words.limitsWithHan) {
        if (p != line.points) continue;
        AppendFormat(text, words.limitSummary, line.label, total, points);
        return text;
    }
    if (p == kYakumanPoints) {
        // Several ordinary yaku reaching thirteen han are a counted yakuman.
        if (r.han.YakuCount() < 2)
            AppendFormat(text, words.yakumanSummary, points);
        else
            AppendFormat(text, words.countedSummary, total, points);
        return text;
    }
    for (const LimitLine& line : words.multipleYakuman) {
        if (p != line.points) continue;
        AppendFormat(text, words.multipleSummary, line.label, points);
        return text;
    }
    AppendFormat(text, words.fuSummary, r.fu, total, points);
    return text;
}

std::string KyokuState::ScoreText(Language language) {
    // An incomplete hand has no score; `result` would still hold an earlier win.
    if (EvaluateWin(false, false) == 0) return {};
    return FormatScoreText(result, language);
}

}  // namespace mizaro
