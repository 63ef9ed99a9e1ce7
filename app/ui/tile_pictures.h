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

// The riichi discard: the tile turned a quarter to the left, on a transparent picture of an
// upright tile's size so that it takes an upright tile's place. Lying down it is as long as the
// upright tile is wide, keeps the tile's proportions and rests on the bottom edge, in line with
// the upright tiles beside it.
QImage DrawTurnedTilePicture(TileKind kind,
                             QSize size = QSize(kTilePictureWidth, kTilePictureHeight));

// Writes dataDirectory + "img/<name>.gif" for every kind whose file is missing; existing files
// (perhaps pictures a user prefers) are left alone. False when a file could not be written.
bool WriteMissingTileGifs(const std::string& dataDirectory);

}  // namespace mizaro
