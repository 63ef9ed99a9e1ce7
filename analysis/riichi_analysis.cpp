#include "analysis/riichi_analysis.h"

#include "analysis/computer_discard.h"
#include "core/tile_html.h"
#include "core/tile_names.h"

namespace mizaro {

namespace {

constexpr int kReadyHandTiles = 13;

}  // namespace

ReachAnalysis::ReachAnalysis(const KyokuState& position, double riichiValue) : state(position) {
    if (position.HandTileCount() != kReadyHandTiles || position.Shanten() != 0) return;
    evRiichi = riichiValue;
    const int k0 = position.turn;

    for (TileKind i = 0; i < kKinds; ++i) {
        KyokuState s = position;
        if (!s.DrawKind(i)) continue;
        if (s.Shanten() == -1) {
            winTiles += position.wall[i];
            winPoints[i] = s.EvaluateWin(false, false);
            continue;
        }
        const TileKind reply = DeepChoice(s);
        s.RemoveFromHand(reply, false);
        auto changed = std::make_unique<NanikiruSearch>(s, true, true, 0);
        changed->Search(true);
        changed->FreeCache();
        // Decided once for every draw number: a change that beats riichi is always taken.
        if (TurnValue(changed->ev(), k0 + 1) > evRiichi) {
            changeCandidates.push_back(std::move(changed));
            changeTiles += position.wall[i];
        }
    }

    // Without riichi: take every win at its plain points, every worthwhile change, and keep
    // the hand on any other draw. The unseen tiles at draw k come from the position's pool, as
    // in the search.
    const int poolBefore = AnalysisPool(position);
    for (int k = kMaxTurns; k >= 1; --k) {
        const double pool = poolBefore - k;
        const double move = (winTiles + changeTiles) / pool;
        double x = 0.0;
        for (TileKind i = 0; i < kKinds; ++i)
            if (winPoints[i] != 0) x += (state.wall[i] / pool) * winPoints[i];
        for (const auto& n : changeCandidates) {
            const int before = n->state().wall[n->state().lastDraw] + 1;
            x += TurnValue(n->ev(), k + 1) * (before / pool);
        }
        damaEv[k] = x;
        if (k < kMaxTurns) damaEv[k] += (1.0 - move) * damaEv[k + 1];
    }
    evDama = TurnValue(damaEv, k0);
}

std::string DamaPage(const ReachAnalysis& a) {
    const KyokuState& s = a.state;
    std::string out = PageHead("リーチ？ Mizaro");
    out += "<P>\n";
    WriteHandImages(s, out);
    out += "<P>\n";
    AppendF(out, "ドラ表示牌 : <IMG SRC=\"%s\" ALT=\"\">\n", DoraIndicatorPath(s).c_str());
    out += "</P>\n";

    out += "<HR><P>\n<TABLE border=0>\n";
    AppendF(out, "<TR><TD>リーチした場合の期待値</TD><TD>%7.2f</TD></TR>\n", a.evRiichi);
    AppendF(out, "<TR><TD>リーチしない場合の期待値</TD><TD>%7.2f</TD></TR>\n", a.evDama);
    out += "</TABLE>\n";

    out +=
        "<HR><P>\n"
        "ダマツモ候補\n"
        "<TABLE border=1 cellpadding=\"3\">\n"
        "<TR>\n"
        "<td nowrap align=\"center\">ツモ</td>\n"
        "<td align=\"center\">枚数</td>\n"
        "<td align=\"right\">点数</td>\n"
        "</TR>\n";
    for (TileKind i = 0; i < kKinds; ++i) {
        if (a.winPoints[i] == 0) continue;
        AppendF(out, "<TR>\n<TD align=center><IMG SRC=\"%s\" ALT=\"\"></TD>\n",
                TileImagePath(i).c_str());
        AppendF(out, "<TD align=center>%d枚</TD>\n", s.wall[i]);
        AppendF(out, "<TD align=right>%d点</TD>\n", a.winPoints[i]);
        out += "</TR>\n";
    }
    out += "</TABLE><P>\n";

    if (!a.changeCandidates.empty()) {
        out +=
            "手変わり候補\n"
            "<TABLE border=1>\n"
            "<TR>\n"
            "<td nowrap align=\"center\">ツモ</td>\n"
            "<td nowrap align=\"center\">打</td>\n"
            "<td align=\"center\">期待値</td>\n"
            "<td>　</td>\n"
            "</TR>\n";
        for (const auto& n : a.changeCandidates) {
            const KyokuState& c = n->state();
            AppendF(out, "<TR>\n<TD>\n<IMG SRC=\"%s\" ALT=\"\"></TD>\n",
                    TileImagePath(c.lastDraw).c_str());
            AppendF(out, "<TD>\n<IMG SRC=\"%s\" ALT=\"\"></TD>\n",
                    TileImagePath(c.lastDiscard).c_str());
            // Shown one draw number earlier than the value that admitted the change.
            AppendF(out, "<TD align=\"right\">　%10.2f　</TD>\n", TurnValue(n->ev(), s.turn));
            out += "<TD>\n";
            WriteHandImages(c, out);
            out += "</A>\n</TD>\n</TR>\n";
        }
        out += "</TABLE>\n";
    }
    out += "<HR>\n";
    out += kPageTail;
    return out;
}

AnalysisText DamaPageFor(const KyokuState& game) {
    if (game.Shanten() != 0) return {{}, "聴牌していません"};
    DiscardValues values{};
    {
        NanikiruSearch top(game, true, true, 0);
        top.AnalyzeDiscards();
        top.CandidateValues(values);
        top.FreeCache();
    }
    KyokuState copy = game;
    const TileKind best = ChooseDiscard(copy, values);
    const double evRiichi = IsValidKind(best) ? values[best] : 0.0;
    // When no discard has a value the drawn tile goes; a hand that is then not ready shows 0.
    KyokuState position = game;
    position.Discard(best, false);
    return {DamaPage(ReachAnalysis(position, evRiichi)), {}};
}

}  // namespace mizaro
