// The 34 tile pictures, drawn by our own code: kanji numerals over 萬 for the characters, dot
// patterns for the circles, sticks (and a bird for the one) for the bamboo, and the honours'
// kanji. The same pictures are shown in the window and written as the GIF files the HTML pages
// refer to.
#pragma once

#include <QImage>
#include <QSize>
#include <string>

#include "core/tile.h"

namespace mizaro {

// The size the window shows and the GIF files hold.
inline constexpr int kTilePictureWidth = 42;
inline constexpr int kTilePictureHeight = 66;

QImage DrawTilePicture(TileKind kind, QSize size = QSize(kTilePictureWidth, kTilePictureHeight));

// The riichi discard: the tile at full size turned a quarter to the left, so its foot comes to
// the right; the picture is as wide as an upright tile is high.
QImage DrawTurnedTilePicture(TileKind kind);

// Writes dataDirectory + "img/<name>.gif" for every kind whose file is missing; existing files
// (perhaps pictures a user prefers) are left alone. False when a file could not be written.
bool WriteMissingTileGifs(const std::string& dataDirectory);

}  // namespace mizaro
