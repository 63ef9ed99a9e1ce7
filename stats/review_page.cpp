#include "stats/review_page.h"

#include "analysis/page_text.h"
#include "core/tile_html.h"
#include "core/tile_names.h"
#include "platform/version.h"

namespace mizaro {

namespace {

constexpr const char* kModeNames[] = {"ノーマル", "チンイツ", "ホンイツ", "国士"};
constexpr const char* kMarkedRow = " bgcolor=\"#FFC8C8\"";

std::string TileImage(TileKind k) {
    return "<IMG SRC=\"" + TileImagePath(k) + "\" ALT=\"" + TileName(k) + "\">";
}

std::string Value(const TurnReview& t, double v) {
    std::string out;
    if (t.kind == RatingKind::kSearch)
        AppendF(out, "%.2f", v);
    else
        AppendF(out, "%.0f 枚", v);
    return out;
}

void AppendTurn(const TurnReview& t, std::string& out) {
    AppendF(out, "<TR%s>\n<TD align=right>%d</TD>\n", t.marked ? kMarkedRow : "", t.turn);
    KyokuState shown;
    shown.hand = t.hand;
    out += "<TD nowrap>" + HandImagesHtml(shown, "") + "</TD>\n";
    out += "<TD>" + TileImage(t.drawn) + "</TD>\n";
    out += "<TD nowrap>" + TileImage(t.discarded) + (t.riichi ? "<BR>リーチ" : "") + "</TD>\n";
    out += "<TD nowrap>";
    for (TileKind k = 0; k < kKinds; ++k)
        if (t.best[k]) out += TileImage(k);
    out += "</TD>\n";
    out += t.kind == RatingKind::kSearch ? "<TD>期待値</TD>\n" : "<TD>有効牌</TD>\n";
    out += "<TD align=right>" + Value(t, t.made) + "</TD>\n";
    out += "<TD align=right>" + Value(t, t.bestValue) + "</TD>\n";
    const std::string loss = Value(t, t.loss);
    out += "<TD align=right>" + (t.marked ? "<B>" + loss + "</B>" : loss) + "</TD>\n";
    out += "<TD align=right nowrap>";
    if (t.hasRiichiValues) AppendF(out, "%.2f / %.2f", t.riichiValue, t.damaValue);
    out += "</TD>\n</TR>\n";
}

}  // namespace

std::string ReviewPage(const GameReview& review, const std::string& title) {
    std::string out =
        "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">"
        "<title>局の検討 Mizaro</title></head>\n<body>\n";
    out += "Mizaro ver.";
    out += ProgramVersion();
    out += "<BR>\n一人麻雀の期待値解析<BR>\n<HR>\n";
    out += "<P>" + title + "：" + OutcomeText(review) + "</P>\n";
    if (!review.replayed) return out + "<HR>\n" + std::string(kPageTail);

    const int mode = review.mode >= 0 && review.mode <= kModeKokushi ? review.mode : 0;
    AppendF(out, "<P>%sモード　ドラ表示牌：%s", kModeNames[mode],
            TileImage(review.doraIndicator).c_str());
    if (review.reachTurn > 0) AppendF(out, "　リーチ %d 巡目", review.reachTurn);
    out += "</P>\n";
    AppendF(out, "<P>損失の合計 <B>%.2f</B> 点（期待値で評価した巡の和）</P>\n", review.totalLoss);
    out +=
        "<P>期待値はリーチを仮定した次のツモ時点の点数、有効牌は向聴数を進める残り枚数です。"
        "損失の大きい巡に色を付けています。</P>\n";

    out += std::string(kTableOpen);
    out +=
        "<TR><TD>巡</TD><TD>ツモ後の手牌</TD><TD>ツモ</TD><TD>打牌</TD><TD>最善</TD>"
        "<TD>評価</TD><TD>打牌の値</TD><TD>最善の値</TD><TD>損失</TD><TD>リーチ / ダマ</TD></TR>\n";
    for (const TurnReview& t : review.turns) AppendTurn(t, out);
    out += "</TABLE>\n<HR>\n";
    out += kPageTail;
    return out;
}

}  // namespace mizaro
