#include "analysis/page_words.h"

namespace mizaro {

namespace {

constexpr PageWords kJapanese = {
    .discard = "打",
    .expectedPoints = "期待値",
    .usefulTiles = "有効牌",
    .winChance = "和了確率",
    .tenpaiChance = "聴牌確率",
    .filler = "　",
    .valueCell = "　%10.2f　",
    .usefulCell = "　%2d種 %2d牌　",
    .percentCell = "　%5.2f %%　",
    .zeroValue = "<P>期待値：0</P>\n",

    .reportTitle = "何切る？ Mizaro",
    .reportDora = "ドラ表示牌：<IMG SRC=\"%s\" ALT=\"\">\n",
    .reportPosition = "<P>%d 向聴　　　\n%d 順目\n",
    .searchTime = "　　　　　計算時間　%10.3f 秒</P>\n",
    .valueByTurn = "順目ごとの期待値",
    .winChanceByTurn = "順目ごとの和了確率",
    .tenpaiChanceByTurn = "順目ごとの聴牌確率",
    .turn = "順目",
    .positionsEvaluated = "評価した局面の数",
    .shanten = "向聴数",
    .evaluated = "評価局面数",
    .share = "割合",
    .shantenLabels = {"和了形", "聴牌形", "一向聴", "二向聴", "三向聴", "四向聴", "五向聴",
                      "六向聴"},
    .total = "合計",
    .nodeShanten = "向聴数 : %d<BR>\n",
    .nodeUseful = "有効牌 : %d種 %d牌<BR>\n",
    .nodeValue = "期待値 : %10.2f<BR>\n",
    .replyDraw = "<DT>ツモ：<IMG SRC=\"%s\" ALT=\"%d枚\">\n",
    .replyWin = "　　%d点　　",
    .replyDiscard = "　打：",
    .replyValue = "　期待値：%10.2f\n",
    .pageCut = "<P>ページが大きくなりすぎるため、ここで打ち切りました。</P>\n",
    .reportRefusal = "%d 向聴以上は計算時間がかかるので未対応です",

    .problemHeading = "<h1>問題</h1>\n",
    .explanationHeading = "<h1>解説</h1>\n<P>正解は　</P>\n<P>　</P>\n<P>　</P>\n",
    .problemRefusal = "%d向聴以上は計算時間がかかるので未対応",

    .damaTitle = "リーチ？ Mizaro",
    .damaDora = "ドラ表示牌 : <IMG SRC=\"%s\" ALT=\"\">\n",
    .valueWithRiichi = "リーチした場合の期待値",
    .valueWithoutRiichi = "リーチしない場合の期待値",
    .damaWins = "ダマツモ候補",
    .draw = "ツモ",
    .tiles = "枚数",
    .points = "点数",
    .tilesCell = "%d枚",
    .pointsCell = "%d点",
    .handChanges = "手変わり候補",
    .notTenpai = "聴牌していません",
};

constexpr PageWords kEnglish = {
    .discard = "Discard",
    .expectedPoints = "Expected points",
    .usefulTiles = "Useful tiles",
    .winChance = "Win chance",
    .tenpaiChance = "Tenpai chance",
    .filler = "&nbsp;",
    .valueCell = "&nbsp;%10.2f&nbsp;",
    .usefulCell = "&nbsp;%2d kinds, %2d tiles&nbsp;",
    .percentCell = "&nbsp;%5.2f %%&nbsp;",
    .zeroValue = "<P>Expected points: 0</P>\n",

    .reportTitle = "What to discard? Mizaro",
    .reportDora = "Dora indicator: <IMG SRC=\"%s\" ALT=\"\">\n",
    .reportPosition = "<P>Shanten %d&nbsp;&nbsp;&nbsp;\nTurn %d\n",
    .searchTime = "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;Search time&nbsp;%10.3f s</P>\n",
    .valueByTurn = "Expected points by turn",
    .winChanceByTurn = "Win chance by turn",
    .tenpaiChanceByTurn = "Tenpai chance by turn",
    .turn = "Turn",
    .positionsEvaluated = "Positions evaluated",
    .shanten = "Shanten",
    .evaluated = "Evaluated / reached",
    .share = "Share",
    .shantenLabels = {"Complete", "Tenpai", "One-shanten", "Two-shanten", "Three-shanten",
                      "Four-shanten", "Five-shanten", "Six-shanten"},
    .total = "Total",
    .nodeShanten = "Shanten: %d<BR>\n",
    .nodeUseful = "Useful tiles: %d kinds, %d tiles<BR>\n",
    .nodeValue = "Expected points: %10.2f<BR>\n",
    .replyDraw = "<DT>Draw: <IMG SRC=\"%s\" ALT=\"%d tiles\">\n",
    .replyWin = "&nbsp;&nbsp;%d points&nbsp;&nbsp;",
    .replyDiscard = "&nbsp;Discard: ",
    .replyValue = "&nbsp;Expected points: %10.2f\n",
    .pageCut = "<P>The page grew too large, so it was cut here.</P>\n",
    .reportRefusal = "Hands of %d shanten or more take too long to compute and are not analysed",

    .problemHeading = "<h1>Problem</h1>\n",
    .explanationHeading =
        "<h1>Explanation</h1>\n<P>The answer is&nbsp;</P>\n<P>&nbsp;</P>\n<P>&nbsp;</P>\n",
    .problemRefusal = "Hands of %d shanten or more take too long to compute and are not analysed",

    .damaTitle = "Riichi? Mizaro",
    .damaDora = "Dora indicator: <IMG SRC=\"%s\" ALT=\"\">\n",
    .valueWithRiichi = "Expected points with riichi",
    .valueWithoutRiichi = "Expected points staying dama",
    .damaWins = "Wins by tsumo while dama",
    .draw = "Draw",
    .tiles = "Tiles",
    .points = "Points",
    .tilesCell = "%d",
    .pointsCell = "%d",
    .handChanges = "Hand changes worth more than riichi",
    .notTenpai = "The hand is not tenpai",
};

}  // namespace

const PageWords& PageWordsIn(Language language) {
    return language == Language::kJapanese ? kJapanese : kEnglish;
}

}  // namespace mizaro
