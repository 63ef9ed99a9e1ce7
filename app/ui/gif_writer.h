// A picture as GIF bytes: the format the HTML pages of the program use for tiles.
#pragma once

#include <QImage>
#include <optional>
#include <string>

namespace mizaro {

// The picture reduced to a palette of at most 256 colours; nothing when the encoder fails.
std::optional<std::string> EncodeGif(const QImage& picture);

}  // namespace mizaro
