// The six lists of the detailed-analysis pages as text cells: the window shows them in its
// list views and mizaro-cli prints them, so both show the same numbers in the same formats.
#pragma once

#include <string>
#include <vector>

#include "core/language.h"
#include "stats/detail_analysis.h"

namespace mizaro {

struct ListColumn {
    std::string header;
    int width = 50;  // pixels
    bool right = true;
};

struct ListTable {
    std::vector<ListColumn> columns;
    std::vector<std::vector<std::string>> rows;  // each as wide as `columns`
};

struct DetailListId {
    int page;  // tab index 0..4
    int list;  // 1071 or 1072
};

inline constexpr int kDetailPageCount = 5;
inline constexpr int kDetailListCount = 6;
inline constexpr int kLeftList = 1071;
inline constexpr int kRightList = 1072;
// The lists in tab order, the two of the first page left to right.
inline constexpr DetailListId kDetailLists[kDetailListCount] = {{0, kLeftList}, {0, kRightList},
                                                                {1, kLeftList}, {2, kLeftList},
                                                                {3, kLeftList}, {4, kLeftList}};

// "概要", "向聴数", "和了点", "牌", "役" (in English "Overview" .. "Yaku"); "" outside 0..4.
std::string DetailPageLabel(int page, Language language = Language::kJapanese);

// The list's headers, fixed labels and the values of `totals`; the labels, tile and yaku names
// in `language`, the numbers in the same formats whatever the language.
ListTable DetailList(DetailListId id, const DetailTotals& totals,
                     Language language = Language::kJapanese);

// The clipboard text of a list: the headers, then every row, each cell followed by a tab and
// each line by a line feed.
std::string ListCopyText(const ListTable& table);

}  // namespace mizaro
