// The words of the analysis pages (Report.htm, Dama.htm) and of the problem text, in each
// language. The markup stays in the page code, so a translation changes words only. A field
// that is a printf format keeps the arguments of the Japanese one, in the same order; a filler
// that pads a cell is a full-width space in Japanese and &nbsp; in English.
#pragma once

#include <array>

#include "analysis/search_cache.h"
#include "core/language.h"

namespace mizaro {

struct PageWords {
    // Column heads and cells of the discard tables of the report and the problem.
    const char* discard;
    const char* expectedPoints;
    const char* usefulTiles;
    const char* winChance;
    const char* tenpaiChance;
    const char* filler;
    const char* valueCell;    // value
    const char* usefulCell;   // kinds, tiles
    const char* percentCell;  // percent
    const char* zeroValue;    // the paragraph of a hand no discard gives a value

    // The what-to-discard report.
    const char* reportTitle;
    const char* reportDora;      // image path
    const char* reportPosition;  // shanten, turn
    const char* searchTime;      // seconds
    const char* valueByTurn;
    const char* winChanceByTurn;
    const char* tenpaiChanceByTurn;
    const char* turn;
    const char* positionsEvaluated;
    const char* shanten;
    const char* evaluated;
    const char* share;
    std::array<const char*, kShantenRows> shantenLabels;  // complete, tenpai, 1 .. 6 shanten
    const char* total;
    const char* nodeShanten;  // shanten
    const char* nodeUseful;   // kinds, tiles
    const char* nodeValue;    // value
    const char* replyDraw;    // image path, tiles of the kind before the draw
    const char* replyWin;     // points
    const char* replyDiscard;
    const char* replyValue;  // value
    const char* pageCut;
    const char* reportRefusal;  // the least shanten refused

    // The problem and its explanation.
    const char* problemHeading;
    const char* explanationHeading;  // with the empty paragraphs the answer is written in
    const char* problemRefusal;      // the least shanten refused

    // The riichi analysis.
    const char* damaTitle;
    const char* damaDora;  // image path
    const char* valueWithRiichi;
    const char* valueWithoutRiichi;
    const char* damaWins;
    const char* draw;
    const char* tiles;
    const char* points;
    const char* tilesCell;   // tiles
    const char* pointsCell;  // points
    const char* handChanges;
    const char* notTenpai;
};

const PageWords& PageWordsIn(Language language);

}  // namespace mizaro
