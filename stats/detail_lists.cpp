#include "stats/detail_lists.h"

#include <cstdarg>
#include <cstdio>
#include <tuple>

#include "core/scoring/yaku_names.h"
#include "core/tile_names.h"
#include "stats/in_language.h"

namespace mizaro {

namespace {

constexpr int kOverviewWidth = 90;
constexpr int kTurnWidth = 40;
// The points list has a column for each of the 18 turns; narrow ones let the whole row show
// beside the filters, the content widening them where it needs more.
constexpr int kPointsTurnWidth = 24;
constexpr int kCellWidth = 50;
constexpr int kTileCountWidth = 60;
constexpr int kYakuShareWidth = 80;
constexpr int kMaxShanten = kShantenValues - 1;

__attribute__((format(printf, 1, 2))) std::string Format(const char* format, ...) {
    char text[64];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return text;
}

std::string Int(int v) {
    return Format("%d", v);
}

std::string Percent(double v) {
    return Format("%6.2lf %%", v);
}

ListColumn Left(std::string header, int width) {
    return {std::move(header), width, false};
}
ListColumn Right(std::string header, int width) {
    return {std::move(header), width, true};
}

void AddRow(ListTable& table, std::vector<std::string> cells) {
    cells.resize(table.columns.size());
    table.rows.push_back(std::move(cells));
}

ListTable KeyFigures(const DetailTotals& t, Language l) {
    ListTable table;
    table.columns = {Left(InLanguage(l, "項目", "Item"), kOverviewWidth),
                     Right(InLanguage(l, "値", "Value"), kOverviewWidth)};
    const std::tuple<const char*, const char*, std::string> rows[] = {
        {"局数", "Games", Int(t.gameCount)},
        {"期待値", "Expected value", Format("%8.2lf", t.avgPoints)},
        {"予測期待値", "Predicted expected value", Format("%8.2lf", t.predictedEv)},
        {"平均和了点", "Average winning points", Format("%8.2lf", t.avgWinPoints)},
        {"聴牌回数", "Tenpai count", Int(t.readyCount)},
        {"聴牌確率", "Tenpai rate", Percent(t.readyRate)},
        {"平均聴牌順", "Average turn of tenpai", Format("%5.2lf", t.avgReadyTurn)},
        {"リーチ回数", "Riichi count", Int(t.reachCount)},
        {"リーチ確率", "Riichi rate", Percent(t.reachRate)},
        {"平均リーチ順", "Average turn of riichi", Format("%5.2lf", t.avgReachTurn)},
        {"和了回数", "Wins", Int(t.winCount)},
        {"和了率", "Win rate", Percent(t.winRate)},
        {"平均和了順", "Average turn of winning", Format("%5.2lf", t.avgWinTurn)},
        {"リーチ成功回数", "Riichi wins", Int(t.reachWinCount)},
        {"リーチ成功確率", "Riichi win rate", Percent(t.reachWinRate)},
        {"ノーテン回数", "Noten count", Int(t.notReadyCount)},
        {"ノーテン確率", "Noten rate", Percent(t.notReadyRate)},
    };
    for (const auto& [label, english, value] : rows)
        AddRow(table, {InLanguage(l, label, english), value});
    return table;
}

ListTable PerTurn(const DetailTotals& t, Language l) {
    ListTable table;
    table.columns = {Left(InLanguage(l, "順目", "Turn"), kTurnWidth),
                     Right(InLanguage(l, "局数", "Games"), kCellWidth),
                     Right(InLanguage(l, "聴牌", "Tenpai"), kCellWidth),
                     Right(InLanguage(l, "リーチ", "Riichi"), kCellWidth),
                     Right(InLanguage(l, "和了", "Wins"), kCellWidth)};
    for (int turn = 1; turn <= kMaxTurns; ++turn)
        AddRow(table, {Int(turn), Int(t.aliveAt[turn]), Int(t.readyAt[turn]), Int(t.reachAt[turn]),
                       Int(t.winAt[turn])});
    return table;
}

// Column 0 and then one cell per shanten, 6 down to 0.
std::vector<std::string> ShantenCells(std::string label,
                                      const std::array<int, kShantenValues>& counts) {
    std::vector<std::string> cells = {std::move(label)};
    for (int s = kMaxShanten; s >= 0; --s) cells.push_back(Int(counts[s]));
    return cells;
}

ListTable ShantenCourse(const DetailTotals& t, Language l) {
    ListTable table;
    table.columns = {Left(InLanguage(l, "順目", "Turn"), kTurnWidth)};
    for (int s = kMaxShanten; s >= 1; --s)
        table.columns.push_back(
            Right(Format(InLanguage(l, "%d 向聴", "%d shanten"), s), kCellWidth));
    table.columns.push_back(Right(InLanguage(l, "聴牌", "Tenpai"), kCellWidth));
    for (int turn = 1; turn <= kMaxTurns; ++turn)
        AddRow(table, ShantenCells(Int(turn), t.shantenCount[turn]));
    AddRow(table, {""});
    AddRow(table, ShantenCells(InLanguage(l, "合計", "Total"), t.shantenTotal));
    AddRow(table, {""});
    AddRow(table, {InLanguage(l, "推移", "Changes")});
    AddRow(table, {""});
    const char* changes[] = {"-1", "0", "+1"};
    for (int c = 0; c < 3; ++c) {
        std::array<int, kShantenValues> moves{};
        for (int s = 0; s < kShantenValues; ++s) moves[s] = t.shantenMove[s][c];
        AddRow(table, ShantenCells(changes[c], moves));
    }
    return table;
}

ListTable WinningPoints(const DetailTotals& t, Language l) {
    ListTable table;
    table.columns = {Left(InLanguage(l, "和了点", "Points"), kCellWidth),
                     Right(InLanguage(l, "回数", "Count"), kCellWidth)};
    for (int turn = 1; turn <= kMaxTurns; ++turn)
        table.columns.push_back(Right(Int(turn), kPointsTurnWidth));
    for (const PointRow& row : t.pointRows) {
        std::vector<std::string> cells = {Int(row.points), Int(row.count)};
        for (int turn = 1; turn <= kMaxTurns; ++turn) cells.push_back(Int(row.byTurn[turn]));
        AddRow(table, std::move(cells));
    }
    return table;
}

ListTable Tiles(const DetailTotals& t, Language l) {
    ListTable table;
    table.columns = {Left(InLanguage(l, "牌", "Tile"), kCellWidth),
                     Right(InLanguage(l, "配牌時", "Dealt"), kTileCountWidth),
                     Right("", kCellWidth),
                     Right(InLanguage(l, "リーチ時", "At riichi"), kTileCountWidth),
                     Right("", kCellWidth),
                     Right(InLanguage(l, "和了牌", "Winning tile"), kTileCountWidth),
                     Right("", kCellWidth)};
    for (TileKind k = 0; k < kKinds; ++k)
        AddRow(table, {TileName(k, l), Int(t.dealtCount[k]), Format("%5.3lf", t.dealtRatio[k]),
                       Int(t.reachHandCount[k]), Format("%5.3lf", t.reachHandRatio[k]),
                       Int(t.winTileCount[k]), Format("%5.3lf", t.winTileRatio[k])});
    AddRow(table, {""});
    AddRow(table, {InLanguage(l, "合計", "Total"), Int(t.dealtTotal), "", Int(t.reachHandTotal), "",
                   Int(t.winTileTotal)});
    return table;
}

ListTable Yaku(const DetailTotals& t, Language l) {
    ListTable table;
    table.columns = {Left(InLanguage(l, "役", "Yaku"), kTileCountWidth),
                     Right(InLanguage(l, "回数", "Count"), kTileCountWidth),
                     Right(InLanguage(l, "割合(全体)", "Share (all)"), kYakuShareWidth),
                     Right(InLanguage(l, "割合(和了)", "Share (wins)"), kYakuShareWidth)};
    for (YakuId k = 0; k < kYakuCount; ++k)
        AddRow(table,
               {std::string(YakuName(k, l)), Int(t.yakuWins[k]),
                Format("%6.3lf %%", t.yakuShareAll[k]), Format("%6.3lf %%", t.yakuShareWins[k])});
    return table;
}

}  // namespace

std::string DetailPageLabel(int page, Language language) {
    static const char* const kLabels[kDetailPageCount] = {"概要", "向聴数", "和了点", "牌", "役"};
    static const char* const kEnglishLabels[kDetailPageCount] = {"Overview", "Shanten", "Points",
                                                                 "Tiles", "Yaku"};
    if (page < 0 || page >= kDetailPageCount) return "";
    return InLanguage(language, kLabels[page], kEnglishLabels[page]);
}

ListTable DetailList(DetailListId id, const DetailTotals& totals, Language language) {
    switch (id.page) {
        case 0:
            return id.list == kRightList ? PerTurn(totals, language) : KeyFigures(totals, language);
        case 1:
            return ShantenCourse(totals, language);
        case 2:
            return WinningPoints(totals, language);
        case 3:
            return Tiles(totals, language);
        case 4:
            return Yaku(totals, language);
        default:
            return {};
    }
}

std::string ListCopyText(const ListTable& table) {
    std::string text;
    for (const ListColumn& c : table.columns) text += c.header + '\t';
    text += '\n';
    for (const std::vector<std::string>& row : table.rows) {
        for (const std::string& cell : row) text += cell + '\t';
        text += '\n';
    }
    return text;
}

}  // namespace mizaro
