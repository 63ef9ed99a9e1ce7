// The tiles as the windows show them: the pictures, and for players who do not read kanji a
// small numeral (suited tiles) or letters (honours: E S W N, Wh Gr Rd) in the top left corner.
// Every window takes its tiles from here; the GIF files of the pages stay without the marks.
#pragma once

#include <QPixmap>
#include <QString>

#include "core/tile.h"

namespace mizaro {

// "1".."9" for a suited kind, "E" .. "Rd" for an honour; empty for anything else.
QString TileCornerText(TileKind kind);

// The upright picture, or the riichi discard turned on its side, marked when `numbers`.
QPixmap WindowTile(TileKind kind, bool numbers, bool turned = false);

}  // namespace mizaro
