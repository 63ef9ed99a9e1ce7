#include "app/ui/tile_pictures.h"

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/ui/gif_writer.h"

namespace mizaro {
namespace {

struct GifSize {
    int width = 0;
    int height = 0;
    int images = 0;
};

GifSize ReadGif(const QString& path) {
    int error = 0;
    GifFileType* gif = DGifOpenFileName(path.toLocal8Bit().constData(), &error);
    if (gif == nullptr) return {};
    GifSize size;
    if (DGifSlurp(gif) == GIF_OK) size = {gif->SWidth, gif->SHeight, gif->ImageCount};
    DGifCloseFile(gif, &error);
    return size;
}

TEST(TilePicturesTest, EveryKindHasItsOwnPicture) {
    std::vector<QImage> pictures;
    for (TileKind k = 0; k < kKinds; ++k) {
        const QImage picture = DrawTilePicture(k);
        EXPECT_EQ(picture.size(), QSize(kTilePictureWidth, kTilePictureHeight));
        for (const QImage& earlier : pictures) EXPECT_NE(picture, earlier) << "kind " << k;
        pictures.push_back(picture);
    }
}

// The box around the pixels a picture paints.
QRect PaintedArea(const QImage& picture) {
    QRect area;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (qAlpha(picture.pixel(x, y)) > 0) area |= QRect(x, y, 1, 1);
        }
    }
    return area;
}

// The centre of the red ink of a picture.
QPointF RedCentre(const QImage& picture) {
    QPointF sum;
    int count = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QColor c = QColor::fromRgba(picture.pixel(x, y));
            if (c.red() > 150 && c.green() < 90 && c.blue() < 90) {
                sum += QPointF(x, y);
                ++count;
            }
        }
    }
    return count > 0 ? sum / count : QPointF(-1, -1);
}

TEST(TilePicturesTest, TheTurnedTileLiesOnItsSideAtFullSize) {
    // The one of characters: a black stroke over a red 萬 in the lower half.
    const QImage upright = DrawTilePicture(0);
    const QImage turned = DrawTurnedTilePicture(0);
    ASSERT_EQ(turned.size(), upright.size().transposed());
    EXPECT_EQ(PaintedArea(turned).size(), PaintedArea(upright).size().transposed());
    // Turned a quarter to the left, the foot of the tile comes to the right.
    EXPECT_GT(RedCentre(upright).y(), upright.height() / 2.0);
    EXPECT_GT(RedCentre(turned).x(), turned.width() * 5 / 8.0);
    EXPECT_TRUE(PaintedArea(DrawTurnedTilePicture(kNoTile)).isEmpty());
}

TEST(TilePicturesTest, MissingGifFilesAreWrittenAndExistingOnesKept) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir().mkpath(dir.filePath("img")));
    QFile mine(dir.filePath("img/p5.gif"));
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
    mine.write("my own picture");
    mine.close();

    ASSERT_TRUE(WriteMissingTileGifs(dir.path().toStdString() + "/"));
    for (const char* name : {"m1", "m9", "p1", "p9", "s1", "s9", "j1", "j7"}) {
        const GifSize gif = ReadGif(dir.filePath(QStringLiteral("img/%1.gif").arg(name)));
        EXPECT_EQ(gif.width, kTilePictureWidth) << name;
        EXPECT_EQ(gif.height, kTilePictureHeight) << name;
        EXPECT_EQ(gif.images, 1) << name;
    }
    ASSERT_TRUE(mine.open(QIODevice::ReadOnly));
    EXPECT_EQ(mine.readAll(), "my own picture");
    EXPECT_FALSE(QFile::exists(dir.filePath("img/m0.gif")));
    EXPECT_FALSE(QFile::exists(dir.filePath("img/j8.gif")));
}

TEST(TilePicturesTest, GifEncodingKeepsTheColours) {
    QImage picture(4, 2, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setPixel(1, 1, qRgb(200, 30, 40));
    const std::optional<std::string> bytes = EncodeGif(picture);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(bytes->substr(0, 4), "GIF8");
    QImage back;
    ASSERT_TRUE(back.loadFromData(QByteArray::fromStdString(*bytes), "GIF"));
    EXPECT_EQ(back.pixel(1, 1), qRgb(200, 30, 40));
    EXPECT_EQ(back.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_FALSE(EncodeGif(QImage()).has_value());
}

}  // namespace
}  // namespace mizaro
