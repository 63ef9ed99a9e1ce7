#include "analysis/riichi_analysis.h"

#include <optional>

#include "analysis/computer_discard.h"
#include "analysis/page_words.h"
#include "core/tile_html.h"
#include "core/tile_names.h"

namespace mizaro {

namespace {

constexpr int kReadyHandTiles = 13;

}  // namespace

ReachAnalysis::ReachAnalysis(const KyokuState& position, double riichiValue,
                             const std::atomic<bool>* stop)
    : state(position) {
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
        // The reply's search rated the hand it leaves already, as a candidate searched alone
        // would be (a ready candidate's wins are its own), so that hand is not searched again.
        std::optional<TurnValues> left;
        const TileKind reply = DeepChoice(s, &left, stop);
        s.RemoveFromHand(reply, false);
        if (!left) {
            NanikiruSearch changed(s, true, true, 0);
            changed.SetStop(stop);
            changed.Search(true);
            left = changed.ev();
            changed.FreeCache();
        }
        if (stop != nullptr && stop->load()) {
            stopped = true;
            return;
        }
        // Decided once for every draw number: a change that beats riichi is always taken.
        if (TurnValue(*left, k0 + 1) > evRiichi) {
            changeCandidates.push_back({s, *left});
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
        for (const ChangeCandidate& c : changeCandidates) {
            const int before = c.state.wall[c.state.lastDraw] + 1;
            x += TurnValue(c.ev, k + 1) * (before / pool);
        }
        damaEv[k] = x;
        if (k < kMaxTurns) damaEv[k] += (1.0 - move) * damaEv[k + 1];
    }
    evDama = TurnValue(damaEv, k0);
}

std::string DamaPage(const ReachAnalysis& a, Language language) {
    const PageWords& w = PageWordsIn(language);
    const KyokuState& s = a.state;
    std::string out = PageHead(w.damaTitle, language);
    out += "<P>\n";
    WriteHandImages(s, out);
    out += "<P>\n";
    AppendDoraLine(out, w.damaDora, s);
    out += "</P>\n";

    out += "<HR><P>\n<TABLE border=0>\n";
    AppendF(out, "<TR><TD>%s</TD><TD>%7.2f</TD></TR>\n", w.valueWithRiichi, a.evRiichi);
    AppendF(out, "<TR><TD>%s</TD><TD>%7.2f</TD></TR>\n", w.valueWithoutRiichi, a.evDama);
    out += "</TABLE>\n";

    AppendF(out,
            "<HR><P>\n"
            "%s\n"
            "<TABLE border=1 cellpadding=\"3\">\n"
            "<TR>\n"
            "<td nowrap align=\"center\">%s</td>\n"
            "<td align=\"center\">%s</td>\n"
            "<td align=\"right\">%s</td>\n"
            "</TR>\n",
            w.damaWins, w.draw, w.tiles, w.points);
    for (TileKind i = 0; i < kKinds; ++i) {
        if (a.winPoints[i] == 0) continue;
        AppendF(out, "<TR>\n<TD align=center><IMG SRC=\"%s\" ALT=\"\"></TD>\n",
                TileImagePath(i).c_str());
        out += "<TD align=center>";
        AppendF(out, w.tilesCell, s.wall[i]);
        out += "</TD>\n<TD align=right>";
        AppendF(out, w.pointsCell, a.winPoints[i]);
        out += "</TD>\n</TR>\n";
    }
    out += "</TABLE><P>\n";

    if (!a.changeCandidates.empty()) {
        AppendF(out,
                "%s\n"
                "<TABLE border=1>\n"
                "<TR>\n"
                "<td nowrap align=\"center\">%s</td>\n"
                "<td nowrap align=\"center\">%s</td>\n"
                "<td align=\"center\">%s</td>\n"
                "<td>%s</td>\n"
                "</TR>\n",
                w.handChanges, w.draw, w.discard, w.expectedPoints, w.filler);
        for (const ReachAnalysis::ChangeCandidate& n : a.changeCandidates) {
            const KyokuState& c = n.state;
            AppendF(out, "<TR>\n<TD>\n<IMG SRC=\"%s\" ALT=\"\"></TD>\n",
                    TileImagePath(c.lastDraw).c_str());
            AppendF(out, "<TD>\n<IMG SRC=\"%s\" ALT=\"\"></TD>\n",
                    TileImagePath(c.lastDiscard).c_str());
            // Shown one draw number earlier than the value that admitted the change.
            out += "<TD align=\"right\">";
            AppendF(out, w.valueCell, TurnValue(n.ev, s.turn));
            out += "</TD>\n";
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

AnalysisText DamaPageFor(const KyokuState& game, Language language, const std::atomic<bool>* stop) {
    if (game.Shanten() != 0) return {{}, PageWordsIn(language).notTenpai};
    DiscardValues values{};
    {
        NanikiruSearch top(game, true, true, 0);
        top.SetStop(stop);
        top.AnalyzeDiscards();
        if (top.stopped()) return {{}, {}, true};
        top.CandidateValues(values);
        top.FreeCache();
    }
    KyokuState copy = game;
    const TileKind best = ChooseDiscard(copy, values);
    const double evRiichi = IsValidKind(best) ? values[best] : 0.0;
    // When no discard has a value the drawn tile goes; a hand that is then not ready shows 0.
    KyokuState position = game;
    position.Discard(best, false);
    const ReachAnalysis analysis(position, evRiichi, stop);
    if (analysis.stopped) return {{}, {}, true};
    return {DamaPage(analysis, language), {}};
}

}  // namespace mizaro
