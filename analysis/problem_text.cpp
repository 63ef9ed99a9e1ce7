#include "analysis/problem_text.h"

#include "analysis/page_words.h"
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

template <typename... Args>
void Cell(std::string& out, const char* format, Args... args) {
    out += "<TD align=\"right\">";
    AppendF(out, format, args...);
    out += "</TD>\n";
}

}  // namespace

std::string ProblemText(const NanikiruSearch& top, Language language) {
    const PageWords& w = PageWordsIn(language);
    const KyokuState& s = top.state();
    std::string out;
    if (Shanten(s.hand) == -1) return out;
    out += w.problemHeading;
    out += CopyPositionHtmlText(s, language);
    AppendF(out, "<P>%s</P>\n", w.filler);
    out += w.explanationHeading;

    const int k = s.turn + 1;
    const auto candidates = top.CandidateNodes();
    const double best = BestCandidateValue(top);
    if (best == 0.0) {
        out += w.zeroValue;
        return out;
    }

    out += kTableOpen;
    AppendF(out,
            "<TR>\n"
            "<TD nowrap align=\"center\" bgcolor=\"#EEEEEE\"> %s</TD>\n"
            "<TD align=\"right\" bgcolor=\"#EEEEEE\" >%s</TD>\n"
            "<TD align=\"right\" bgcolor=\"#EEEEEE\"> %s</TD>\n"
            "<TD align=\"right\" bgcolor=\"#EEEEEE\"> %s</TD>\n"
            "<TD align=\"right\" bgcolor=\"#EEEEEE\"> %s</TD>\n"
            "</TR>\n",
            w.discard, w.expectedPoints, w.usefulTiles, w.winChance, w.tenpaiChance);
    for (const NanikiruSearch* c : candidates) {
        const double ev = TurnValue(c->ev(), k);
        out += "<TR>\n<TD>";
        DiscardImage(out, c->state().lastDiscard);
        out += "</TD>\n<TD align=\"right\">";
        if (ev == best) out += "<B>";
        AppendF(out, w.valueCell, ev);
        out += ev == best ? "</B></TD>\n" : "</TD>\n";
        Cell(out, w.usefulCell, c->effKinds(), c->effTiles());
        Cell(out, w.percentCell, kPercent * TurnValue(c->winProb(), k));
        Cell(out, w.percentCell, kPercent * TurnValue(c->tenpaiProb(), k));
        out += "</TR>\n";
    }
    out += "</TABLE>\n";
    AppendF(out, "<P>%s</P>\n", w.filler);

    out += kTableOpen;
    AppendF(out,
            "<TR>\n"
            "<TD nowrap align=\"center\" bgcolor=\"#EEEEEE\"> %s</TD>\n"
            "<TD align=\"right\" bgcolor=\"#EEEEEE\" >%s</TD>\n"
            "</TR>\n",
            w.discard, w.filler);
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

AnalysisText ProblemTextFor(const KyokuState& game, Language language,
                            const std::atomic<bool>* stop) {
    if (Shanten(game.hand) > kReportMaxShanten) {
        AnalysisText refused;
        AppendF(refused.refusal, PageWordsIn(language).problemRefusal, kReportMaxShanten + 1);
        return refused;
    }
    NanikiruSearch top(game, true, true, 0);
    top.SetStop(stop);
    top.AnalyzeDiscards();
    if (top.stopped()) return {{}, {}, true};
    AnalysisText text{ProblemText(top, language), {}};
    top.FreeCache();
    return text;
}

}  // namespace mizaro
