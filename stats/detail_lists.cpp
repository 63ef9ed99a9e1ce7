#include "stats/detail_lists.h"

#include <cstdarg>
#include <cstdio>

#include "core/scoring/yaku_names.h"
#include "core/tile_names.h"

namespace mizaro {

namespace {

constexpr int kOverviewWidth = 90;
constexpr int kTurnWidth = 40;
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

ListColumn Left(const char* header, int width) {
    return {header, width, false};
}
ListColumn Right(std::string header, int width) {
    return {std::move(header), width, true};
}

void AddRow(ListTable& table, std::vector<std::string> cells) {
    cells.resize(table.columns.size());
    table.rows.push_back(std::move(cells));
}

ListTable KeyFigures(const DetailTotals& t) {
    ListTable table;
    table.columns = {Left("項目", kOverviewWidth), Right("値", kOverviewWidth)};
    const std::pair<const char*, std::string> rows[] = {
        {"局数", Int(t.gameCount)},
        {"期待値", Format("%8.2lf", t.avgPoints)},
        {"予測期待値", Format("%8.2lf", t.predictedEv)},
        {"平均和了点", Format("%8.2lf", t.avgWinPoints)},
        {"聴牌回数", Int(t.readyCount)},
        {"聴牌確率", Percent(t.readyRate)},
        {"平均聴牌順", Format("%5.2lf", t.avgReadyTurn)},
        {"リーチ回数", Int(t.reachCount)},
        {"リーチ確率", Percent(t.reachRate)},
        {"平均リーチ順", Format("%5.2lf", t.avgReachTurn)},
        {"和了回数", Int(t.winCount)},
        {"和了率", Percent(t.winRate)},
        {"平均和了順", Format("%5.2lf", t.avgWinTurn)},
        {"リーチ成功回数", Int(t.reachWinCount)},
        {"リーチ成功確率", Percent(t.reachWinRate)},
        {"ノーテン回数", Int(t.notReadyCount)},
        {"ノーテン確率", Percent(t.notReadyRate)},
    };
    for (const auto& [label, value] : rows) AddRow(table, {label, value});
    return table;
}

ListTable PerTurn(const DetailTotals& t) {
    ListTable table;
    table.columns = {Left("順目", kTurnWidth), Right("局数", kCellWidth), Right("聴牌", kCellWidth),
                     Right("リーチ", kCellWidth), Right("和了", kCellWidth)};
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

ListTable ShantenCourse(const DetailTotals& t) {
    ListTable table;
    table.columns = {Left("順目", kTurnWidth)};
    for (int s = kMaxShanten; s >= 1; --s)
        table.columns.push_back(Right(Format("%d 向聴", s), kCellWidth));
    table.columns.push_back(Right("聴牌", kCellWidth));
    for (int turn = 1; turn <= kMaxTurns; ++turn)
        AddRow(table, ShantenCells(Int(turn), t.shantenCount[turn]));
    AddRow(table, {""});
    AddRow(table, ShantenCells("合計", t.shantenTotal));
    AddRow(table, {""});
    AddRow(table, {"推移"});
    AddRow(table, {""});
    const char* changes[] = {"-1", "0", "+1"};
    for (int c = 0; c < 3; ++c) {
        std::array<int, kShantenValues> moves{};
        for (int s = 0; s < kShantenValues; ++s) moves[s] = t.shantenMove[s][c];
        AddRow(table, ShantenCells(changes[c], moves));
    }
    return table;
}

ListTable WinningPoints(const DetailTotals& t) {
    ListTable table;
    table.columns = {Left("和了点", kCellWidth), Right("回数", kCellWidth)};
    for (int turn = 1; turn <= kMaxTurns; ++turn)
        table.columns.push_back(Right(Int(turn), kCellWidth));
    for (const PointRow& row : t.pointRows) {
        std::vector<std::string> cells = {Int(row.points), Int(row.count)};
        for (int turn = 1; turn <= kMaxTurns; ++turn) cells.push_back(Int(row.byTurn[turn]));
        AddRow(table, std::move(cells));
    }
    return table;
}

ListTable Tiles(const DetailTotals& t) {
    ListTable table;
    table.columns = {Left("牌", kCellWidth), Right("配牌時", kTileCountWidth),
                     Right("", kCellWidth),  Right("リーチ時", kTileCountWidth),
                     Right("", kCellWidth),  Right("和了牌", kTileCountWidth),
                     Right("", kCellWidth)};
    for (TileKind k = 0; k < kKinds; ++k)
        AddRow(table, {TileName(k), Int(t.dealtCount[k]), Format("%5.3lf", t.dealtRatio[k]),
                       Int(t.reachHandCount[k]), Format("%5.3lf", t.reachHandRatio[k]),
                       Int(t.winTileCount[k]), Format("%5.3lf", t.winTileRatio[k])});
    AddRow(table, {""});
    AddRow(table, {"合計", Int(t.dealtTotal), "", Int(t.reachHandTotal), "", Int(t.winTileTotal)});
    return table;
}

ListTable Yaku(const DetailTotals& t) {
    ListTable table;
    table.columns = {Left("役", kTileCountWidth), Right("回数", kTileCountWidth),
                     Right("割合(全体)", kYakuShareWidth), Right("割合(和了)", kYakuShareWidth)};
    for (YakuId k = 0; k < kYakuCount; ++k)
        AddRow(table,
               {std::string(YakuName(k)), Int(t.yakuWins[k]),
                Format("%6.3lf %%", t.yakuShareAll[k]), Format("%6.3lf %%", t.yakuShareWins[k])});
    return table;
}

}  // namespace

std::string DetailPageLabel(int page) {
    static const char* const kLabels[kDetailPageCount] = {"概要", "向聴数", "和了点", "牌", "役"};
    return page >= 0 && page < kDetailPageCount ? kLabels[page] : "";
}

ListTable DetailList(DetailListId id, const DetailTotals& totals) {
    switch (id.page) {
        case 0:
            return id.list == kRightList ? PerTurn(totals) : KeyFigures(totals);
        case 1:
            return ShantenCourse(totals);
        case 2:
            return WinningPoints(totals);
        case 3:
            return Tiles(totals);
        case 4:
            return Yaku(totals);
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
