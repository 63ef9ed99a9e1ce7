#include "stats/drill_page.h"

#include <algorithm>
#include <ctime>
#include <utility>
#include <vector>

#include "analysis/page_text.h"
#include "core/tile_html.h"
#include "core/tile_names.h"
#include "stats/drill_session.h"
#include "stats/in_language.h"

namespace mizaro {

namespace {

constexpr int kDaysPerWeek = 7;
constexpr int kMondayOffset = 3;  // 1970-01-01 was a Thursday
constexpr int kWorstShown = 10;
constexpr int kChartWidth = 480, kChartHeight = 160, kMargin = 30;

using Series = std::vector<std::pair<int, double>>;  // (week, value)

std::string WeekLabel(int week) {
    const std::time_t monday =
        static_cast<std::time_t>(week * kDaysPerWeek - kMondayOffset) * 24 * 60 * 60;
    std::tm date{};
    gmtime_r(&monday, &date);
    char text[16];
    std::strftime(text, sizeof text, "%m/%d", &date);
    return text;
}

// A polyline over the weeks, scaled from 0 to the largest value.
void AppendChart(std::string& out, const char* title, const Series& series, Language l) {
    AppendF(out, "<H3>%s</H3>\n", title);
    if (series.empty()) {
        out += InLanguage(l, "<P>記録なし</P>\n", "<P>No records yet</P>\n");
        return;
    }
    double top = 0.0;
    for (const auto& point : series) top = std::max(top, point.second);
    if (top <= 0.0) top = 1.0;
    const int plotW = kChartWidth - 2 * kMargin, plotH = kChartHeight - 2 * kMargin;
    const auto x = [&](std::size_t i) {
        const double last = static_cast<double>(series.size() - 1);
        return kMargin + (last == 0.0 ? plotW / 2.0 : plotW * static_cast<double>(i) / last);
    };
    const auto y = [&](double v) { return kMargin + plotH * (1.0 - v / top); };
    AppendF(out, "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\">\n",
            kChartWidth, kChartHeight);
    AppendF(out, "<line x1=\"%d\" y1=\"%d\" x2=\"%d\" y2=\"%d\" stroke=\"black\"/>\n", kMargin,
            kChartHeight - kMargin, kChartWidth - kMargin, kChartHeight - kMargin);
    AppendF(out, "<text x=\"2\" y=\"%d\" font-size=\"10\">%.1f</text>\n", kMargin, top);
    out += "<polyline fill=\"none\" stroke=\"#3060C0\" points=\"";
    for (std::size_t i = 0; i < series.size(); ++i)
        AppendF(out, "%s%.1f,%.1f", i ? " " : "", x(i), y(series[i].second));
    out += "\"/>\n";
    for (std::size_t i = 0; i < series.size(); ++i)
        AppendF(out, "<text x=\"%.1f\" y=\"%d\" font-size=\"10\">%s</text>\n", x(i) - 12,
                kChartHeight - kMargin / 2, WeekLabel(series[i].first).c_str());
    out += "</svg>\n";
}

std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// Where the problem was met: the game of the log and its turn, or at a table the hand, the
// player's discard, the winds with the dealer or not, and the game as the player named it.
std::string WhereText(const DrillProblem& p, Language l) {
    std::string out;
    if (!p.position.table) {
        AppendF(out, InLanguage(l, "第%d局 %d巡目", "Game %d, turn %d"), p.game + 1,
                p.position.turn);
        return out;
    }
    const DrillTable& t = *p.position.table;
    const std::string round = TileName(t.roundWind, l), seat = TileName(t.seatWind, l);
    AppendF(out,
            InLanguage(l, "%s%d局 %d巡目<BR>%s場 %s家（%s）<BR>",
                       "%s %d, discard %d<BR>%s round, %s seat (%s)<BR>"),
            round.c_str(), t.kyoku, t.discardNumber, round.c_str(), seat.c_str(),
            t.dealer ? InLanguage(l, "親", "dealer") : InLanguage(l, "子", "non-dealer"));
    return out + Escaped(t.source);
}

void AppendWorst(std::string& out, const DrillDeck& deck, Language l) {
    std::vector<const DrillProblem*> worst;
    for (const DrillProblem& p : deck.problems)
        if (p.schedule.wrong > 0) worst.push_back(&p);
    std::stable_sort(worst.begin(), worst.end(), [](const DrillProblem* a, const DrillProblem* b) {
        return a->schedule.wrong > b->schedule.wrong;
    });
    if (worst.size() > kWorstShown) worst.resize(kWorstShown);
    out += InLanguage(l,
                      "<H3>よく間違える問題</H3>\n<TABLE border=1>\n"
                      "<TR><TH>手牌</TH><TH>ドラ表示牌</TH><TH>局面</TH><TH>打牌</TH>"
                      "<TH>最善</TH><TH>誤答</TH></TR>\n",
                      "<H3>The problems missed most often</H3>\n<TABLE border=1>\n"
                      "<TR><TH>Hand</TH><TH>Dora indicators</TH><TH>Where</TH><TH>Discard</TH>"
                      "<TH>Best</TH><TH>Missed</TH></TR>\n");
    for (const DrillProblem* p : worst) {
        KyokuState shown;
        shown.hand = p->position.hand;
        out += "<TR><TD nowrap>" + HandImagesHtml(shown, "") + "</TD><TD nowrap>";
        for (TileKind k : DoraIndicators(p->position))
            out += "<IMG SRC=\"" + TileImagePath(k) + "\">";
        out += "</TD><TD>" + WhereText(*p, l) + "</TD><TD>" + TileName(p->made, l) + "</TD><TD>";
        for (TileKind k = 0; k < kKinds; ++k)
            if (p->best[k]) out += TileName(k, l) + " ";
        AppendF(out, "</TD><TD align=right>%d / %d</TD></TR>\n", p->schedule.wrong,
                p->schedule.answers);
    }
    out += "</TABLE>\n";
}

}  // namespace

std::string DrillPage(const DrillDeck& deck, int day, Language language) {
    const auto in = [language](const char* japanese, const char* english) {
        return InLanguage(language, japanese, english);
    };
    Series accuracy, loss;
    std::vector<std::pair<int, DrillDayTally>> weeks;  // summed by week
    for (const DrillDayTally& t : deck.days) {
        const int week = (t.day + kMondayOffset) / kDaysPerWeek;
        if (weeks.empty() || weeks.back().first != week) weeks.push_back({week, {}});
        DrillDayTally& sum = weeks.back().second;
        sum.answers += t.answers;
        sum.right += t.right;
        sum.games += t.games;
        sum.loss += t.loss;
    }
    for (const auto& [week, sum] : weeks) {
        if (sum.answers > 0) accuracy.push_back({week, 100.0 * sum.right / sum.answers});
        if (sum.games > 0) loss.push_back({week, sum.loss / sum.games});
    }

    const DrillStatus status = CountStatus(deck, day);
    std::string out = "<!DOCTYPE html>\n<HTML>\n<HEAD>\n<meta charset=\"utf-8\">\n";
    out += in("<TITLE>ドリル</TITLE>\n</HEAD>\n<BODY>\n<H2>ドリルの進み具合</H2>\n",
              "<TITLE>Drill</TITLE>\n</HEAD>\n<BODY>\n<H2>Drill progress</H2>\n");
    AppendF(out,
            in("<TABLE border=1>\n<TR><TD>覚えた問題</TD><TD align=right>%d</TD></TR>\n"
               "<TR><TD>今日の復習</TD><TD align=right>%d</TD></TR>\n"
               "<TR><TD>新しい問題</TD><TD align=right>%d</TD></TR>\n"
               "<TR><TD>練習中</TD><TD align=right>%d</TD></TR>\n</TABLE>\n",
               "<TABLE border=1>\n<TR><TD>Problems learned</TD><TD align=right>%d</TD></TR>\n"
               "<TR><TD>Due for review today</TD><TD align=right>%d</TD></TR>\n"
               "<TR><TD>New problems</TD><TD align=right>%d</TD></TR>\n"
               "<TR><TD>Being learned</TD><TD align=right>%d</TD></TR>\n</TABLE>\n"),
            status.learned, status.due, status.fresh, status.learning);
    AppendChart(out, in("週ごとの正答率 (%)", "Right answers by week (%)"), accuracy, language);
    AppendChart(out,
                in("週ごとの 1 局あたりの損失 (点)", "Average loss of 1 game, by week (points)"),
                loss, language);
    AppendWorst(out, deck, language);
    out += "</BODY>\n</HTML>\n";
    return out;
}

}  // namespace mizaro
