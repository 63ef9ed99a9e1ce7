#include "app/ui/gif_writer.h"

#include <gif_lib.h>

#include <vector>

namespace mizaro {

namespace {

int AppendBytes(GifFileType* gif, const GifByteType* bytes, int length) {
    auto* out = static_cast<std::string*>(gif->UserData);
    out->append(reinterpret_cast<const char*>(bytes), static_cast<size_t>(length));
    return length;
}

// The palette size GIF needs: a power of two from 2 to 256.
int PaletteSlots(int colours) {
    int paletteSize = 2;
    while (paletteSize < colours) paletteSize *= 2;
    return paletteSize;
}

}  // namespace

std::optional<std::string> EncodeGif(const QImage& picture) {
    if (picture.isNull()) return std::nullopt;
    const QImage indexed = picture.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    const QList<QRgb> table = indexed.colorTable();
    if (table.isEmpty() || table.size() > 256) return std::nullopt;

    const int paletteSize = PaletteSlots(static_cast<int>(table.size()));
    std::vector<GifColorType> colours(static_cast<size_t>(paletteSize), GifColorType{0, 0, 0});
    for (qsizetype i = 0; i < table.size(); ++i) {
        colours[static_cast<size_t>(i)] = GifColorType{static_cast<GifByteType>(qRed(table[i])),
                                                       static_cast<GifByteType>(qGreen(table[i])),
                                                       static_cast<GifByteType>(qBlue(table[i]))};
    }

    std::string out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, AppendBytes, &error);
    if (gif == nullptr) return std::nullopt;
    ColorMapObject* map = GifMakeMapObject(paletteSize, colours.data());
    bool ok = map != nullptr;
    const int width = indexed.width();
    const int height = indexed.height();
    ok = ok && EGifPutScreenDesc(gif, width, height, 8, 0, map) == GIF_OK;
    ok = ok && EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_OK;
    std::vector<GifPixelType> row(static_cast<size_t>(width));
    for (int y = 0; ok && y < height; ++y) {
        const uchar* line = indexed.constScanLine(y);
        row.assign(line, line + width);
        ok = EGifPutLine(gif, row.data(), width) == GIF_OK;
    }
    if (map != nullptr) GifFreeMapObject(map);
    ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
    if (!ok) return std::nullopt;
    return out;
}

}  // namespace mizaro
