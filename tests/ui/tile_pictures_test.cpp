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
