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
constexpr LimitLine kLimitsWithHan[] = {
    {12000, "満貫"}, {18000, "跳満"}, {24000, "倍満"}, {36000, "三倍満"}};
// Multiple yakuman show only the points.
constexpr LimitLine kMultipleYakuman[] = {{96000, "ダブル役満"},
                                          {144000, "トリプル役満"},
                                          {192000, "四倍役満"},
                                          {240000, "五倍役満"},
                                          {288000, "六倍役満"}};

}  // namespace

std::string FormatScoreText(const AgariResult& r) {
    std::string text;
    int total = 0;
    for (YakuId id = 0; id < kYakuCount; ++id) {
        const int b = r.han.GetHan(id);
        if (b == 0) continue;
        total += b;
        const char* name = YakuName(id).data();
        // Only the two yakuman values have a label; any other count, even dora above 12 han
        // in a loaded position, keeps its han line so that the lines add up to the total.
        if (b == kYakumanHan)
            AppendFormat(text, "%s\t役満\n", name);
        else if (b == kDoubleYakumanHan)
            AppendFormat(text, "%s\tダブル役満\n", name);
        else
            AppendFormat(text, "%s\t%d 翻\n", name, b);
    }

    // A non-dealer's hand takes its label from what the same hand would score as the dealer,
    // and shows its payments beside the total: "8000 点 (2000-4000)".
    std::string shown = std::to_string(r.points) + " 点";
    int p = r.points;
    if (!r.dealer) {
        const NonDealerPayments pay = NonDealerPaymentsFor(total, r.fu);
        AppendFormat(shown, " (%d-%d)", pay.other, pay.dealer);
        p = PointsFor(total, r.fu);
    }
    const char* points = shown.c_str();
    for (const LimitLine& line : kLimitsWithHan) {
        if (p != line.points) continue;
        AppendFormat(text, "\n%s\t%d 翻\t%s\n", line.label, total, points);
        return text;
    }
    if (p == kYakumanPoints) {
        // Several ordinary yaku reaching thirteen han are a counted yakuman.
        if (r.han.YakuCount() < 2)
            AppendFormat(text, "\n役満\t\t%s\n", points);
        else
            AppendFormat(text, "\n数え役満\t%d 翻\t%s\n", total, points);
        return text;
    }
    for (const LimitLine& line : kMultipleYakuman) {
        if (p != line.points) continue;
        AppendFormat(text, "\n%s\t\t%s\n", line.label, points);
        return text;
    }
    AppendFormat(text, "\n%d符\t%d 翻\t%s\n", r.fu, total, points);
    return text;
}

std::string KyokuState::ScoreText() {
    // An incomplete hand has no score; `result` would still hold an earlier win.
    if (EvaluateWin(false, false) == 0) return {};
    return FormatScoreText(result);
}

}  // namespace mizaro
