#include "analysis/report_page.h"

#include <array>
#include <vector>

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

constexpr std::array<const char*, kShantenRows> kShantenLabels = {
    "和了形", "聴牌形", "一向聴", "二向聴", "三向聴", "四向聴", "五向聴", "六向聴"};

// The value every level of the page reads: the one at the draw after the top discard.
struct PageWriter {
    std::string& out;
    int k;
    std::size_t sizeLimit;
    bool cut = false;

    void ImageTag(TileKind kind) {
        AppendF(out, "<IMG SRC=\"%s\" ALT=\"\">", TileImagePath(kind).c_str());
    }

    void CandidateTable(Candidates candidates, double best) {
        out += kTableOpen;
        out +=
            "<TR>\n"
            "<td nowrap align=\"center\" bgcolor=\"#EEEEEE\"> 打</td>\n"
            "<td align=\"right\" bgcolor=\"#EEEEEE\" nowrap>期待値</td>\n"
            "<td bgcolor=\"#EEEEEE\"> 　</td>\n"
            "<td align=\"right\" bgcolor=\"#EEEEEE\" nowrap> 有効牌</td>\n"
            "<td align=\"right\" bgcolor=\"#EEEEEE\" nowrap> 和了確率</td>\n"
            "<td align=\"right\" bgcolor=\"#EEEEEE\" nowrap> 聴牌確率</td>\n"
            "</TR>\n";
        for (const NanikiruSearch* c : candidates) {
            const double ev = TurnValue(c->ev(), k);
            out += "<TR>\n<TD nowrap>\n";
            ImageTag(c->state().lastDiscard);
            out += "</TD>\n<TD align=\"right\" nowrap>";
            // Every candidate as good as the best is bold, so a tie shows as one.
            AppendF(out, ev == best ? "<B>　%10.2f　</B></TD>\n" : "　%10.2f　</TD>\n", ev);
            out += "<TD nowrap>\n";
            AppendF(out, "<A HREF=\"#%s\">\n", c->state().PositionKey(false, c->slack()).c_str());
            WriteHandImages(c->state(), out);
            out += "</A>\n</TD>\n";
            AppendF(out, "<TD align=\"right\" nowrap>　%2d種 %2d牌　</TD>\n", c->effKinds(),
                    c->effTiles());
            AppendF(out, "<TD align=\"right\" nowrap>　%5.2f %%　</TD>\n",
                    kPercent * TurnValue(c->winProb(), k));
            AppendF(out, "<TD align=\"right\" nowrap>　%5.2f %%　</TD>\n",
                    kPercent * TurnValue(c->tenpaiProb(), k));
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
        out += "<TR>\n<TD nowrap>順目</TD>\n";
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
        out += "<P>評価した局面の数</P>\n";
        out += kTableOpen;
        out +=
            "<TR>\n"
            "<td nowrap align=\"center\" bgcolor=\"#EEEEEE\"> 向聴数</td>\n"
            "<td nowrap  align=\"right\" bgcolor=\"#EEEEEE\"> 評価局面数</td>\n"
            "<td nowrap  align=\"right\" bgcolor=\"#EEEEEE\"> 割合</td>\n"
            "</TR>\n";
        for (int i = 0; i < kShantenRows; ++i)
            if (top.visited()[i] != 0)
                PositionRow(kShantenLabels[i], top.evaluated()[i], top.visited()[i]);
        PositionRow("合計", top.evaluated()[kPositionTotal], top.visited()[kPositionTotal]);
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
        AppendF(out, "向聴数 : %d<BR>\n", shanten);
        AppendF(out, "有効牌 : %d種 %d牌<BR>\n", node.effKinds(), node.effTiles());
        AppendF(out, "期待値 : %10.2f<BR>\n", TurnValue(node.ev(), k));
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
            AppendF(out, "<DT>ツモ：<IMG SRC=\"%s\" ALT=\"%d枚\">\n", TileImagePath(drawn).c_str(),
                    b->state().wall[drawn] + 1);
            if (shanten <= 0) {
                const AgariResult& win = b->state().result;
                AppendF(out, "　　%d点　　", win.points);
                for (YakuId id = 0; id < kYakuCount; ++id)
                    if (win.han.GetHan(id) != 0) {
                        out += YakuName(id);
                        out += ' ';
                    }
            } else {
                out += "　打：";
                AppendF(out, "<A HREF=\"#%s\">", b->state().PositionKey(false, b->slack()).c_str());
                AppendF(out, "<IMG border=\"0\" SRC=\"%s\" ALT=\"\">",
                        TileImagePath(move.lastDiscard).c_str());
                out += "</A>\n";
                AppendF(out, "　期待値：%10.2f\n", TurnValue(b->ev(), k));
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
        AppendF(out, "ドラ表示牌：<IMG SRC=\"%s\" ALT=\"\">\n", DoraIndicatorPath(s).c_str());
        out += "</P>\n";
        AppendF(out, "<P>%d 向聴　　　\n%d 順目\n", shanten, s.turn);
        AppendF(out, "　　　　　計算時間　%10.3f 秒</P>\n", top.seconds());

        const Candidates candidates = top.CandidateNodes();
        const double best = BestCandidateValue(top);
        if (best == 0.0) {
            out += "<P>期待値：0</P>\n";
            return;
        }
        CandidateTable(candidates, best);
        TurnTable(candidates, "順目ごとの期待値", &NanikiruSearch::ev, "　%10.2f　", 1.0);
        TurnTable(candidates, "順目ごとの和了確率", &NanikiruSearch::winProb, "　%5.2f %%　",
                  kPercent);
        TurnTable(candidates, "順目ごとの聴牌確率", &NanikiruSearch::tenpaiProb, "　%5.2f %%　",
                  kPercent);
        PositionsTable(top);
        if (depth > 0)
            for (const NanikiruSearch* c : candidates) NodeSection(*c, depth - 1);
        if (cut) out += "<P>ページが大きくなりすぎるため、ここで打ち切りました。</P>\n";
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

std::string ReportPage(const NanikiruSearch& top, int depth, std::size_t sizeLimit) {
    std::string page = PageHead("何切る？ Mizaro");
    PageWriter{page, top.state().turn + 1, sizeLimit}.Body(top, depth);
    page += kPageTail;
    return page;
}

AnalysisText ReportPageFor(const KyokuState& game, int slack, int depth, std::size_t sizeLimit) {
    if (Shanten(game.hand) > kReportMaxShanten) {
        AnalysisText refused;
        AppendF(refused.refusal, "%d 向聴以上は計算時間がかかるので未対応です",
                kReportMaxShanten + 1);
        return refused;
    }
    NanikiruSearch top(game, true, true, slack);
    top.AnalyzeDiscards();
    AnalysisText page{ReportPage(top, depth, sizeLimit), {}};
    top.FreeCache();
    return page;
}

}  // namespace mizaro
