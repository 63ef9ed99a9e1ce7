#include "analysis/report_page.h"

#include <vector>

#include "analysis/page_words.h"
#include "core/scoring/yaku_names.h"
#include "core/shanten.h"
#include "core/tile_html.h"
#include "core/tile_names.h"

namespace mizaro {

namespace {

using Candidates = std::span<const NanikiruSearch* const>;

constexpr double kPercent = 100.0;
// Below any value a node can have, so every group yields a best node.
constexpr double kNoBest = -100.0;
constexpr int kTurnRows = kMaxTurns - 1;  // the rows 1..17 of the per-turn tables

// The value every level of the page reads: the one at the draw after the top discard.
struct PageWriter {
    std::string& out;
    const PageWords& w;
    Language language;
    int k;
    std::size_t sizeLimit;
    bool cut = false;

    void ImageTag(TileKind kind) {
        AppendF(out, "<IMG SRC=\"%s\" ALT=\"\">", TileImagePath(kind).c_str());
    }

    template <typename... Args>
    void Cell(const char* format, Args... args) {
        out += "<TD align=\"right\" nowrap>";
        AppendF(out, format, args...);
        out += "</TD>\n";
    }

    void CandidateTable(Candidates candidates, double best) {
        out += kTableOpen;
        AppendF(out,
                "<TR>\n"
                "<td nowrap align=\"center\" bgcolor=\"#EEEEEE\"> %s</td>\n"
                "<td align=\"right\" bgcolor=\"#EEEEEE\" nowrap>%s</td>\n"
                "<td bgcolor=\"#EEEEEE\"> %s</td>\n"
                "<td align=\"right\" bgcolor=\"#EEEEEE\" nowrap> %s</td>\n"
                "<td align=\"right\" bgcolor=\"#EEEEEE\" nowrap> %s</td>\n"
                "<td align=\"right\" bgcolor=\"#EEEEEE\" nowrap> %s</td>\n"
                "</TR>\n",
                w.discard, w.expectedPoints, w.filler, w.usefulTiles, w.winChance, w.tenpaiChance);
        for (const NanikiruSearch* c : candidates) {
            const double ev = TurnValue(c->ev(), k);
            out += "<TR>\n<TD nowrap>\n";
            ImageTag(c->state().lastDiscard);
            out += "</TD>\n<TD align=\"right\" nowrap>";
            // Every candidate as good as the best is bold, so a tie shows as one.
            if (ev == best) out += "<B>";
            AppendF(out, w.valueCell, ev);
            out += ev == best ? "</B></TD>\n" : "</TD>\n";
            out += "<TD nowrap>\n";
            AppendF(out, "<A HREF=\"#%s\">\n", c->state().PositionKey(false, c->slack()).c_str());
            WriteHandImages(c->state(), out);
            out += "</A>\n</TD>\n";
            Cell(w.usefulCell, c->effKinds(), c->effTiles());
            Cell(w.percentCell, kPercent * TurnValue(c->winProb(), k));
            Cell(w.percentCell, kPercent * TurnValue(c->tenpaiProb(), k));
            out += "</TR>\n";
        }
        out += "</TABLE><BR>\n";
        out += kDottedRule;
    }

    // One value per candidate for every draw number the same position could arise before.
    void TurnTable(Candidates candidates, const char* title,
                   TurnValues (NanikiruSearch::*values)() const, const char* cellFormat,
                   double scale) {
        std::vector<std::string> cells(static_cast<std::size_t>(kTurnRows) * candidates.size());
        for (int r = 1; r <= kTurnRows; ++r)
            for (std::size_t i = 0; i < candidates.size(); ++i)
                AppendF(cells[(r - 1) * candidates.size() + i], cellFormat,
                        scale * TurnValue((candidates[i]->*values)(), r + 1));

        AppendF(out, "<BR><P>%s</P>\n", title);
        out += kTableOpen;
        AppendF(out, "<TR>\n<TD nowrap>%s</TD>\n", w.turn);
        for (const NanikiruSearch* c : candidates) {
            out += "<TD align=\"center\" nowrap>\n";
            ImageTag(c->state().lastDiscard);
            out += "</TD>\n";
        }
        for (int r = 1; r <= kTurnRows; ++r) {
            AppendF(out, "<TR>\n<TD align=\"center\" nowrap>\n%d\n</TD>", r);
            for (std::size_t i = 0; i < candidates.size(); ++i) {
                out += "<TD align=\"right\" nowrap>";
                out += cells[(r - 1) * candidates.size() + i];
                out += "</TD>\n</TD>";
            }
            out += "</TR>\n";
        }
        out += "</TABLE><BR>\n";
        out += kDottedRule;
    }

    void PositionRow(const char* label, int evaluated, int visited) {
        AppendF(out, "<TR>\n<TD nowrap align=\"right\">%s</TD>\n", label);
        AppendF(out, "<TD nowrap align=\"right\">%d / %d</TD>\n", evaluated, visited);
        const double share =
            visited == 0 ? 0.0 : kPercent * static_cast<double>(evaluated) / visited;
        AppendF(out, "<TD nowrap align=\"right\">%5.2f %%</TD>\n</TR>\n", share);
    }

    void PositionsTable(const NanikiruSearch& top) {
        AppendF(out, "<P>%s</P>\n", w.positionsEvaluated);
        out += kTableOpen;
        AppendF(out,
                "<TR>\n"
                "<td nowrap align=\"center\" bgcolor=\"#EEEEEE\"> %s</td>\n"
                "<td nowrap  align=\"right\" bgcolor=\"#EEEEEE\"> %s</td>\n"
                "<td nowrap  align=\"right\" bgcolor=\"#EEEEEE\"> %s</td>\n"
                "</TR>\n",
                w.shanten, w.evaluated, w.share);
        for (int i = 0; i < kShantenRows; ++i)
            if (top.visited()[i] != 0)
                PositionRow(w.shantenLabels[i], top.evaluated()[i], top.visited()[i]);
        PositionRow(w.total, top.evaluated()[kPositionTotal], top.visited()[kPositionTotal]);
        out += "</TABLE><BR><BR>\n";
        out += kDottedRule;
    }

    // The best reply to every draw from a 13-tile node, and the same for those replies while
    // depth remains. A node reached along several paths is written each time.
    void NodeSection(const NanikiruSearch& node, int depth) {
        const KyokuState& s = node.state();
        if (s.HandTileCount() != 13) return;  // a winning node has no replies to show
        if (out.size() >= sizeLimit) {
            cut = true;
            return;
        }
        const int shanten = Shanten(s.hand);
        AppendF(out, "<P><A NAME=\"%s\">\n", s.PositionKey(shanten == -1, node.slack()).c_str());
        WriteHandImages(s, out);
        out += "</A></P>\n";
        AppendF(out, w.nodeShanten, shanten);
        AppendF(out, w.nodeUseful, node.effKinds(), node.effTiles());
        AppendF(out, w.nodeValue, TurnValue(node.ev(), k));
        out += "</P>\n";

        std::vector<const NanikiruSearch*> bests;
        bests.reserve(node.groups().size());
        for (const DrawGroup& g : node.groups()) {
            const NanikiruSearch* best = nullptr;
            double bestValue = kNoBest;
            for (const NanikiruSearch* c : node.Members(g)) {
                if (TurnValue(c->ev(), k) > bestValue) {
                    bestValue = TurnValue(c->ev(), k);
                    best = c;
                }
            }
            if (best != nullptr) bests.push_back(best);
        }

        out += "<DL>\n";
        for (const NanikiruSearch* b : bests) {
            // The move is read against this node: a memoised reply may have been reached by
            // another path and carry that path's last draw and discard.
            KyokuState move = b->state();
            move.DiffMove(s);
            const TileKind drawn = move.lastDraw;
            AppendF(out, w.replyDraw, TileImagePath(drawn).c_str(), b->state().wall[drawn] + 1);
            if (shanten <= 0) {
                const AgariResult& win = b->state().result;
                AppendF(out, w.replyWin, win.points);
                for (YakuId id = 0; id < kYakuCount; ++id)
                    if (win.han.GetHan(id) != 0) {
                        out += YakuName(id, language);
                        out += ' ';
                    }
            } else {
                out += w.replyDiscard;
                AppendF(out, "<A HREF=\"#%s\">", b->state().PositionKey(false, b->slack()).c_str());
                AppendF(out, "<IMG border=\"0\" SRC=\"%s\" ALT=\"\">",
                        TileImagePath(move.lastDiscard).c_str());
                out += "</A>\n";
                AppendF(out, w.replyValue, TurnValue(b->ev(), k));
            }
            out += "</DT>\n";
        }
        out += "</DL>\n";
        out += kDottedRule;
        if (depth > 0)
            for (const NanikiruSearch* b : bests) NodeSection(*b, depth - 1);
    }

    void Body(const NanikiruSearch& top, int depth) {
        const KyokuState& s = top.state();
        const int shanten = Shanten(s.hand);
        if (shanten == -1) return;  // a complete hand has nothing to discard
        AppendF(out, "<A NAME=%s></A>\n", s.PositionKey(false, top.slack()).c_str());
        out += "<P>\n";
        WriteHandImages(s, out);
        out += "<P>\n";
        AppendDoraLine(out, w.reportDora, s);
        out += "</P>\n";
        AppendF(out, w.reportPosition, shanten, s.turn);
        AppendF(out, w.searchTime, top.seconds());

        const Candidates candidates = top.CandidateNodes();
        const double best = BestCandidateValue(top);
        if (best == 0.0) {
            out += w.zeroValue;
            return;
        }
        CandidateTable(candidates, best);
        TurnTable(candidates, w.valueByTurn, &NanikiruSearch::ev, w.valueCell, 1.0);
        TurnTable(candidates, w.winChanceByTurn, &NanikiruSearch::winProb, w.percentCell, kPercent);
        TurnTable(candidates, w.tenpaiChanceByTurn, &NanikiruSearch::tenpaiProb, w.percentCell,
                  kPercent);
        PositionsTable(top);
        if (depth > 0)
            for (const NanikiruSearch* c : candidates) NodeSection(*c, depth - 1);
        if (cut) out += w.pageCut;
    }
};

}  // namespace

double BestCandidateValue(const NanikiruSearch& top) {
    const int k = top.state().turn + 1;
    double best = 0.0;
    for (const NanikiruSearch* c : top.CandidateNodes())
        if (TurnValue(c->ev(), k) > best) best = TurnValue(c->ev(), k);
    return best;
}

std::string ReportPage(const NanikiruSearch& top, int depth, std::size_t sizeLimit,
                       Language language) {
    const PageWords& words = PageWordsIn(language);
    std::string page = PageHead(words.reportTitle, language);
    PageWriter{page, words, language, top.state().turn + 1, sizeLimit}.Body(top, depth);
    page += kPageTail;
    return page;
}

AnalysisText ReportPageFor(const KyokuState& game, int slack, int depth, std::size_t sizeLimit,
                           Language language, const std::atomic<bool>* stop) {
    if (Shanten(game.hand) > kReportMaxShanten) {
        AnalysisText refused;
        AppendF(refused.refusal, PageWordsIn(language).reportRefusal, kReportMaxShanten + 1);
        return refused;
    }
    NanikiruSearch top(game, true, true, slack);
    top.SetStop(stop);
    top.AnalyzeDiscards();
    if (top.stopped()) return {{}, {}, true};
    AnalysisText page{ReportPage(top, depth, sizeLimit, language), {}};
    top.FreeCache();
    return page;
}

}  // namespace mizaro
