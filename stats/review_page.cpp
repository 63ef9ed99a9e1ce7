#include "stats/review_page.h"

#include "analysis/page_text.h"
#include "core/tile_html.h"
#include "core/tile_names.h"
#include "platform/version.h"
#include "stats/in_language.h"

namespace mizaro {

namespace {

constexpr const char* kModeNames[] = {"ノーマル", "チンイツ", "ホンイツ", "国士"};
constexpr const char* kEnglishModeNames[] = {"Normal", "Chinitsu", "Honitsu", "Kokushi"};
constexpr const char* kMarkedRow = " bgcolor=\"#FFC8C8\"";

std::string TileImage(TileKind k, Language language) {
    return "<IMG SRC=\"" + TileImagePath(k) + "\" ALT=\"" + TileName(k, language) + "\">";
}

std::string Value(const TurnReview& t, double v, Language language) {
    std::string out;
    if (t.kind == RatingKind::kSearch)
        AppendF(out, "%.2f", v);
    else
        AppendF(out, InLanguage(language, "%.0f 枚", "%.0f tiles"), v);
    return out;
}

}  // namespace

void AppendReviewRow(const TurnReview& t, Language l, std::string& out) {
    AppendF(out, "<TR%s>\n<TD align=right>%d</TD>\n", t.marked ? kMarkedRow : "", t.turn);
    KyokuState shown;
    shown.hand = t.hand;
    out += "<TD nowrap>" + HandImagesHtml(shown, "") + "</TD>\n";
    out += "<TD>" + TileImage(t.drawn, l) + "</TD>\n";
    out += "<TD nowrap>" + TileImage(t.discarded, l) +
           (t.riichi ? InLanguage(l, "<BR>リーチ", "<BR>Riichi") : "") + "</TD>\n";
    out += "<TD nowrap>";
    for (TileKind k = 0; k < kKinds; ++k)
        if (t.best[k]) out += TileImage(k, l);
    out += "</TD>\n";
    out += t.kind == RatingKind::kSearch ? InLanguage(l, "<TD>期待値</TD>\n", "<TD>Value</TD>\n")
                                         : InLanguage(l, "<TD>有効牌</TD>\n", "<TD>Tiles</TD>\n");
    out += "<TD align=right>" + Value(t, t.made, l) + "</TD>\n";
    out += "<TD align=right>" + Value(t, t.bestValue, l) + "</TD>\n";
    const std::string loss = Value(t, t.loss, l);
    out += "<TD align=right>" + (t.marked ? "<B>" + loss + "</B>" : loss) + "</TD>\n";
    out += "<TD align=right nowrap>";
    if (t.hasRiichiValues) AppendF(out, "%.2f / %.2f", t.riichiValue, t.damaValue);
    out += "</TD>\n</TR>\n";
}

std::string ReviewTableHead(Language language) {
    return std::string(kTableOpen) +
           InLanguage(language,
                      "<TR><TD>巡</TD><TD>ツモ後の手牌</TD><TD>ツモ</TD><TD>打牌</TD><TD>最善</TD>"
                      "<TD>評価</TD><TD>打牌の値</TD><TD>最善の値</TD><TD>損失</TD>"
                      "<TD>リーチ / ダマ</TD></TR>\n",
                      "<TR><TD>Turn</TD><TD>Hand after the draw</TD><TD>Draw</TD><TD>Discard</TD>"
                      "<TD>Best</TD><TD>Rated by</TD><TD>Discard's value</TD><TD>Best value</TD>"
                      "<TD>Loss</TD><TD>Riichi / dama</TD></TR>\n");
}

std::string ReviewTitle(int gamesBack, Language language) {
    if (gamesBack <= 0) return InLanguage(language, "対局中の局", "The game in progress");
    std::string title;
    AppendF(title, InLanguage(language, "%d 局前", gamesBack == 1 ? "%d game ago" : "%d games ago"),
            gamesBack);
    return title;
}

std::string ReviewPage(const GameReview& review, const std::string& title, Language language) {
    const auto in = [language](const char* japanese, const char* english) {
        return InLanguage(language, japanese, english);
    };
    std::string out = in(
        "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">"
        "<title>局の検討 Mizaro</title></head>\n<body>\n",
        "<html><head><meta charset=\"utf-8\"><title>Game review Mizaro</title></head>\n<body>\n");
    out += "Mizaro ver.";
    out += ProgramVersion();
    out += in("<BR>\n一人麻雀の期待値解析<BR>\n<HR>\n",
              "<BR>\nExpected-value analysis of solo mahjong<BR>\n<HR>\n");
    out += "<P>" + title + in("：", ": ") + OutcomeText(review, language) + "</P>\n";
    if (!review.replayed) return out + "<HR>\n" + std::string(kPageTail);

    const int mode = review.mode >= 0 && review.mode <= kModeKokushi ? review.mode : 0;
    AppendF(out, in("<P>%sモード　ドラ表示牌：%s", "<P>%s mode, dora indicator: %s"),
            in(kModeNames[mode], kEnglishModeNames[mode]),
            TileImage(review.doraIndicator, language).c_str());
    if (review.reachTurn > 0)
        AppendF(out, in("　リーチ %d 巡目", ", riichi on turn %d"), review.reachTurn);
    out += "</P>\n";
    AppendF(out,
            in("<P>損失の合計 <B>%.2f</B> 点（期待値で評価した巡の和）</P>\n",
               "<P>Total loss <B>%.2f</B> points (the sum over the turns rated by value)</P>\n"),
            review.totalLoss);
    out +=
        in("<P>期待値はリーチを仮定した次のツモ時点の点数、有効牌は向聴数を進める残り枚数です。"
           "損失の大きい巡に色を付けています。</P>\n",
           "<P>Value is the expected score at the next draw, assuming riichi; tiles are the tiles "
           "left that lower the shanten. The turns that lose most are coloured.</P>\n");

    out += ReviewTableHead(language);
    for (const TurnReview& t : review.turns) AppendReviewRow(t, language, out);
    out += "</TABLE>\n<HR>\n";
    out += kPageTail;
    return out;
}

}  // namespace mizaro
