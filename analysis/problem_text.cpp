#include "analysis/problem_text.h"

#include "analysis/report_page.h"
#include "core/shanten.h"
#include "core/tile_html.h"
#include "core/tile_names.h"

namespace mizaro {

namespace {

constexpr double kPercent = 100.0;
constexpr const char* kPrefix = "../../";

void DiscardImage(std::string& out, TileKind kind) {
    AppendF(out, "<IMG SRC=\"%s%s\" ALT=\"\">", kPrefix, TileImagePath(kind).c_str());
}

}  // namespace

std::string ProblemText(const NanikiruSearch& top) {
    const KyokuState& s = top.state();
    std::string out;
    if (Shanten(s.hand) == -1) return out;
    out += "<h1>問題</h1>\n";
    out += "<P>" + HandImagesHtml(s, kPrefix) + "</P>\n";
    out += "<P>" + DoraIndicatorHtml(s, kPrefix) + "</P>\n";
    out += "<P>　</P>\n";
    out += "<h1>解説</h1>\n<P>正解は　</P>\n<P>　</P>\n<P>　</P>\n";

    const int k = s.turn + 1;
    const auto candidates = top.CandidateNodes();
    const double best = BestCandidateValue(top);
    if (best == 0.0) {
        out += "<P>期待値：0</P>\n";
        return out;
    }

    out += kTableOpen;
    out +=
        "<TR>\n"
        "<TD nowrap align=\"center\" bgcolor=\"#EEEEEE\"> 打</TD>\n"
        "<TD align=\"right\" bgcolor=\"#EEEEEE\" >期待値</TD>\n"
        "<TD align=\"right\" bgcolor=\"#EEEEEE\"> 有効牌</TD>\n"
        "<TD align=\"right\" bgcolor=\"#EEEEEE\"> 和了確率</TD>\n"
        "<TD align=\"right\" bgcolor=\"#EEEEEE\"> 聴牌確率</TD>\n"
        "</TR>\n";
    for (const NanikiruSearch* c : candidates) {
        const double ev = TurnValue(c->ev(), k);
        out += "<TR>\n<TD>";
        DiscardImage(out, c->state().lastDiscard);
        out += "</TD>\n<TD align=\"right\">";
        AppendF(out, ev == best ? "<B>　%10.2f　</B></TD>\n" : "　%10.2f　</TD>\n", ev);
        AppendF(out, "<TD align=\"right\">　%2d種 %2d牌　</TD>\n", c->effKinds(), c->effTiles());
        AppendF(out, "<TD align=\"right\">　%5.2f %%　</TD>\n",
                kPercent * TurnValue(c->winProb(), k));
        AppendF(out, "<TD align=\"right\">　%5.2f %%　</TD>\n",
                kPercent * TurnValue(c->tenpaiProb(), k));
        out += "</TR>\n";
    }
    out += "</TABLE>\n";
    out += "<P>　</P>\n";

    out += kTableOpen;
    out +=
        "<TR>\n"
        "<TD nowrap align=\"center\" bgcolor=\"#EEEEEE\"> 打</TD>\n"
        "<TD align=\"right\" bgcolor=\"#EEEEEE\" >　</TD>\n"
        "</TR>\n";
    for (const NanikiruSearch* c : candidates) {
        out += "<TR>\n<TD>\n";
        DiscardImage(out, c->state().lastDiscard);
        out += "</TD>\n<TD>\n";
        out += HandImagesHtml(c->state(), kPrefix);
        out += "</TD>\n</TR>\n";
    }
    out += "</TABLE>\n";
    return out;
}

AnalysisText ProblemTextFor(const KyokuState& game) {
    if (Shanten(game.hand) > kReportMaxShanten)
        return {{}, "4向聴以上は計算時間がかかるので未対応"};
    NanikiruSearch top(game, true, true, 0);
    top.AnalyzeDiscards();
    AnalysisText text{ProblemText(top), {}};
    top.FreeCache();
    return text;
}

}  // namespace mizaro
