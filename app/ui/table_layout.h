// Where the controls of the main window sit. Positions are kept in dialog units, the layout
// units of the window's design, and turned into pixels with one scale, so the tiles, the
// buttons and the texts keep their proportions.
#pragma once

#include <QRect>

namespace mizaro::layout {

// Pixels per dialog unit, as a fraction: 5/2.
constexpr int kScaleNum = 5;
constexpr int kScaleDen = 2;

constexpr int Px(int dialogUnits) {
    return dialogUnits * kScaleNum / kScaleDen;
}
constexpr QRect Rect(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

constexpr int kClientWidth = 265;
constexpr int kClientHeight = 186;

constexpr int kTileWidth = 17;
constexpr int kTileHeight = 27;
constexpr int kTileStep = 18;

constexpr QRect kStatusLine = Rect(7, 10, 251, 8);
constexpr QRect kDiscardLabel = Rect(7, 27, 107, 12);
constexpr QRect kDoraLabel = Rect(127, 27, 28, 12);
constexpr QRect kAssistLabel = Rect(167, 28, 38, 8);
constexpr QRect kAssistCombo = Rect(213, 25, 42, 12);
constexpr QRect kDoraTile = Rect(133, 45, kTileWidth, kTileHeight);
constexpr QRect kStatisticsButton = Rect(167, 56, 36, 14);
constexpr QRect kResultButton = Rect(215, 56, 36, 14);
constexpr QRect kNanikiruButton = Rect(167, 77, 36, 14);
constexpr QRect kRiichiButton = Rect(215, 77, 36, 14);
constexpr QRect kShantenButton = Rect(128, 84, 28, 14);
constexpr QRect kInfoText = Rect(127, 103, 36, 32);
constexpr QRect kSaveButton = Rect(166, 114, 27, 14);
constexpr QRect kLoadButton = Rect(198, 114, 27, 14);
constexpr QRect kEditButton = Rect(230, 114, 27, 14);

// Discards, six per row in three rows. The riichi discard lies on its side at full size, on
// the row's bottom line as on a real table, and pushes the rest of its row to the right; the
// longest row then still ends before the dora label.
constexpr int kDiscardsPerRow = 6;
constexpr int kDiscardLeft = 7;
constexpr int kDiscardTop = 45;
constexpr int kDiscardRowStep = 31;
// All the discards may cover: three rows, ending two units short of the dora label.
constexpr QRect kDiscardArea = Rect(kDiscardLeft, kDiscardTop, 118, 89);

// Discard of turn 1..18; riichiTurn is the turn of the riichi discard, 0 (or any turn outside
// 1..18) when there is none.
constexpr QRect DiscardTile(int turn, int riichiTurn) {
    const int index = turn - 1;
    const int row = index / kDiscardsPerRow;
    const int top = kDiscardTop + kDiscardRowStep * row;
    int left = kDiscardLeft + kTileStep * (index % kDiscardsPerRow);
    if (turn == riichiTurn)
        return Rect(left, top + kTileHeight - kTileWidth, kTileHeight, kTileWidth);
    const bool pushed =
        riichiTurn >= 1 && riichiTurn < turn && (riichiTurn - 1) / kDiscardsPerRow == row;
    if (pushed) left += kTileHeight - kTileWidth;
    return Rect(left, top, kTileWidth, kTileHeight);
}

// Hand slot 0..13 and the assist mark above it.
constexpr QRect HandTile(int slot) {
    return Rect(7 + kTileStep * slot, 152, kTileWidth, kTileHeight);
}
constexpr QRect MarkText(int slot) {
    return Rect(7 + kTileStep * slot, 141, kTileWidth, 10);
}

}  // namespace mizaro::layout
