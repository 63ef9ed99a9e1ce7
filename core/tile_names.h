// How tiles reach the user: their kanji names and the relative paths of their images.
#pragma once

#include <string>

#include "core/language.h"
#include "core/tile.h"

namespace mizaro {

// "一萬" .. "九萬", "一筒" .. "九筒", "一索" .. "九索", "東" .. "中"; "" outside 0..33.
std::string TileName(TileKind k);
// In English: "1m" .. "9m", "1p" .. "9p", "1s" .. "9s", "East" .. "Red"; "" outside 0..33.
std::string TileName(TileKind k, Language language);

// Writes "img/m1.gif" .. "img/j7.gif" into the buffer; a kind outside 0..33 writes nothing, so
// the buffer keeps what it held.
void TileImagePath(TileKind k, std::string& buffer);

// The image path, or "" for a kind outside 0..33.
std::string TileImagePath(TileKind k);

}  // namespace mizaro
