// The program's icon: a tile showing the one of circles in the colours of our tile pictures.
// It is a short list of plain shapes, so one drawing gives both the scalable SVG that the
// desktop's icon theme takes and every raster size of the window and the theme.
#pragma once

#include <QIcon>
#include <QImage>
#include <string>

namespace mizaro {

// The icon drawn on a canvas of this many units a side.
inline constexpr int kAppIconCanvas = 256;
// The raster sizes an icon theme is given.
inline constexpr int kAppIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

QImage DrawAppIcon(int size);
std::string AppIconSvg();
// Every raster size in one icon, for the window.
QIcon AppIcon();

}  // namespace mizaro
