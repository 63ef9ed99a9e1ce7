#include "stats/stat_page.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>

#include "core/scoring/yaku_names.h"
#include "stats/in_language.h"
#include "stats/stat_figures.h"

namespace mizaro {

namespace {

constexpr double kPercent = 100.0;

// Each step of 0.05 in the relative distance lowers the shade by 8 levels, down to B0.
struct ShadeStep {
    double above;
    const char* step;
};
constexpr ShadeStep kShadeSteps[] = {{0.05, "F8"}, {0.10, "F0"}, {0.15, "E8"}, {0.20, "E0"},
                                     {0.25, "D8"}, {0.30, "D0"}, {0.35, "C8"}, {0.40, "C0"},
                                     {0.45, "B8"}, {0.50, "B0"}};

struct ValueRow {
    const char* label;
    const char* englishLabel;
    double (*value)(const StatFigures&);
    const char* const* userCell;  // by language; shaded: %s takes the colour
    const char* const* standardCell;
};

// Each cell's English form follows its Japanese one; a turn needs no unit in English.
constexpr const char* kTurnsUser[] = {"<td align=right bgcolor=%s>%5.2lf 順目</td>",
                                      "<td align=right bgcolor=%s>%5.2lf</td>"};
constexpr const char* kTurnsStandard[] = {"<td align=right>%5.2lf 順目</td>",
                                          "<td align=right>%5.2lf</td>"};
constexpr const char* kRateUser[] = {"<td align=right bgcolor=%s>%5.2lf ％</td>",
                                     "<td align=right bgcolor=%s>%5.2lf %%</td>"};
constexpr const char* kRateStandard[] = {"<td align=right>%5.2lf ％</td>",
                                         "<td align=right>%5.2lf %%</td>"};

// The rows after the game count, in the page's order.
const ValueRow kValueRows[] = {
    {"<td align=left>平均和了順目　　</td>", "<td align=left>Average turn of winning</td>",
     [](const StatFigures& f) { return f.winTurn; }, kTurnsUser, kTurnsStandard},
    {"<td align=left>和了率　　　　　</td>", "<td align=left>Win rate</td>",
     [](const StatFigures& f) { return f.winRate; }, kRateUser, kRateStandard},
    {"<td align=left>テンパイ率　　　</td>", "<td align=left>Tenpai rate</td>",
     [](const StatFigures& f) { return f.readyRate; }, kRateUser, kRateStandard},
    {"<td align=left>ノーテン率　　　</td>", "<td align=left>Noten rate</td>",
     [](const StatFigures& f) { return f.notenRate; }, kRateUser, kRateStandard},
    {"<td align=left>リーチ率　　　　</td>", "<td align=left>Riichi rate</td>",
     [](const StatFigures& f) { return f.riichiRate; }, kRateUser, kRateStandard},
    {"<td align=left>リーチ成功率　　</td>", "<td align=left>Riichi win rate</td>",
     [](const StatFigures& f) { return f.riichiWins; }, kRateUser, kRateStandard},
    {"<td align=left>平均リーチ順目　</td>", "<td align=left>Average turn of riichi</td>",
     [](const StatFigures& f) { return f.riichiTurn; }, kTurnsUser, kTurnsStandard},
    {"<td align=left>平均テンパイ順目</td>", "<td align=left>Average turn of tenpai</td>",
     [](const StatFigures& f) { return f.readyTurn; }, kTurnsUser, kTurnsStandard},
};

}  // namespace

std::string ShadeColour(double userValue, double standardValue) {
    if (userValue == 0 || standardValue == 0) return "\"#FFFFFF\"";
    const double d = (userValue - standardValue) / standardValue;
    const double f = std::fabs(d);
    std::string step = "FF";
    for (const ShadeStep& s : kShadeSteps)
        if (f > s.above) step = s.step;
    if (d > 0) return "\"#FF" + step + step + "\"";
    return "\"#" + step + step + "FF\"";
}

std::array<YakuId, kYakuCount> YakuOrder(const StatSummary& summary) {
    std::array<YakuId, kYakuCount> order{};
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](YakuId a, YakuId b) {
        return summary.yakuCount[a] > summary.yakuCount[b];
    });
    return order;
}

std::string StatPageHtml(const StatSummary& user, const StatSummary& standard, Language language) {
    const auto text = [language](const char* japanese, const char* english) {
        return std::string(InLanguage(language, japanese, english));
    };
    const int l = language == Language::kEnglish ? 1 : 0;
    const StatFigures u = FiguresOf(user);
    const StatFigures s = FiguresOf(standard);
    std::string html =
        text("<html><title>Mizaro 統計情報</title>",
             "<html><head><meta charset=\"utf-8\"><title>Mizaro statistics</title></head>") +
        "<body  bgcolor=\"#FFFFFF\">\n";
    html +=
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"5\" bordercolorlight=\"#000000\" "
        "bordercolordark=\"#000000\">";
    html += text(
        "<tr><td>　</td><td align=left>あなたの成績</td><td align=left>標準的な成績</td></tr>\n",
        "<tr><td>&nbsp;</td><td align=left>Your results</td><td align=left>Standard "
        "results</td></tr>\n");

    html += text("<tr><td align=left>局数　　　　　　</td>", "<tr><td align=left>Games</td>") +
            Format("<td align=right>%d</td>", user.N) +
            Format("<td align=right>%d</td>", standard.N) + "</tr>\n";
    // The shade compares the averages before they are cut to whole points.
    html += text("<tr><td align=left>平均和了点　　　</td>",
                 "<tr><td align=left>Average winning points</td>") +
            Format(InLanguage(language, "<td align=right bgcolor=%s>%6d 点</td>",
                              "<td align=right bgcolor=%s>%6d points</td>"),
                   ShadeColour(u.winPoints, s.winPoints).c_str(), CutToInt(u.winPoints)) +
            Format(InLanguage(language, "<td align=right>%6d 点</td>",
                              "<td align=right>%6d points</td>"),
                   CutToInt(s.winPoints)) +
            "</tr>\n";
    for (const ValueRow& row : kValueRows) {
        const double a = row.value(u);
        const double b = row.value(s);
        html += std::string("<tr>") + InLanguage(language, row.label, row.englishLabel) +
                Format(row.userCell[l], ShadeColour(a, b).c_str(), a) +
                Format(row.standardCell[l], b) + "</tr>\n";
    }

    const char* valueCell = "<td bgcolor=\"#C0C0C0\" align=right><b>%d</b></td>";
    html += "<b><tr><td bgcolor=\"#C0C0C0\" align=right><b>" + text("期待値", "Expected value") +
            "</b></td>" + Format(valueCell, CutToInt(u.value)) +
            Format(valueCell, CutToInt(s.value)) + "</b></tr>\n";

    html += "<tr><td colspan=\"3\" align=\"center\">" + text("和了役一覧", "Winning yaku") +
            "</td></tr>";
    const char* shareCell = InLanguage(language, "%5.2lf ％</td>", "%5.2lf %%</td>");
    for (YakuId id : YakuOrder(standard)) {
        if (user.yakuCount[id] == 0 && standard.yakuCount[id] == 0) continue;
        const double a = YakuShare(user, id);
        const double b = YakuShare(standard, id);
        html += Format("<tr><td>%s</td>", std::string(YakuName(id, language)).c_str()) +
                Format("<td align=right bgcolor=%s>", ShadeColour(a, b).c_str()) +
                Format(shareCell, a * kPercent) + "<td align=right>" +
                Format(shareCell, b * kPercent) + "</tr>\n";
    }

    html += "<tr><td colspan=\"3\" align=\"center\">" + text("平均向聴数", "Average shanten") +
            "</td></tr>";
    const char* turnCell = InLanguage(language, "<tr><td align=right>%d 順目</td>",
                                      "<tr><td align=right>Turn %d</td>");
    for (int t = 1; t <= kMaxTurns; ++t) {
        const double a = MeanShanten(user, t);
        const double b = MeanShanten(standard, t);
        html += Format(turnCell, t) +
                Format("<td align=right bgcolor=%s>%5.2lf</td>", ShadeColour(a, b).c_str(), a) +
                Format("<td align=right>%5.2lf</td></tr>\n", b);
    }
    html += "</table></body></html>";
    return html;
}

}  // namespace mizaro
