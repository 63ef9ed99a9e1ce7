#include "app/ui/tile_pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <array>
#include <cstdio>
#include <vector>

#include "app/ui/gif_writer.h"
#include "platform/atomic_file.h"

namespace mizaro {

namespace {

// Pictures are drawn on a 100 x 150 canvas and scaled to the size asked for.
constexpr double kCanvasWidth = 100.0;
constexpr double kCanvasHeight = 150.0;

const QColor kInkColour(30, 30, 30);
const QColor kRedColour(192, 38, 45);
const QColor kGreenColour(24, 122, 58);
const QColor kBlueColour(31, 78, 156);

struct Dot {
    double x, y, r;
    QColor colour;
};

struct Stick {
    double x, y, length;
    QColor colour;
};

QFont KanjiFont(double pixelSize) {
    QFont font(QStringLiteral("Noto Serif CJK JP"));
    font.setStyleHint(QFont::Serif);
    font.setBold(true);
    font.setPixelSize(static_cast<int>(pixelSize));
    return font;
}

void DrawFace(QPainter& p) {
    // A soft shadow on the lower edge, then the ivory face with a thin rim.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 140, 120));
    p.drawRoundedRect(QRectF(3, 5, 95, 143), 9, 9);
    QLinearGradient face(0, 0, 0, kCanvasHeight);
    face.setColorAt(0.0, QColor(255, 253, 244));
    face.setColorAt(1.0, QColor(238, 232, 214));
    p.setBrush(face);
    p.setPen(QPen(QColor(120, 110, 95), 2.0));
    p.drawRoundedRect(QRectF(2, 2, 94, 141), 9, 9);
}

void DrawKanji(QPainter& p, const QString& text, const QRectF& box, double size,
               const QColor& colour) {
    p.setFont(KanjiFont(size));
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
}

void DrawCharacters(QPainter& p, int number) {
    static const std::array<const char*, 9> kNumerals = {"一", "二", "三", "四", "五",
                                                         "六", "七", "八", "九"};
    DrawKanji(p, QString::fromUtf8(kNumerals[number - 1]), QRectF(4, 6, 90, 66), 56, kInkColour);
    DrawKanji(p, QStringLiteral("萬"), QRectF(4, 70, 90, 70), 58, kRedColour);
}

void DrawDot(QPainter& p, const Dot& d) {
    p.setPen(QPen(d.colour, d.r * 0.22));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(d.x, d.y), d.r * 0.86, d.r * 0.86);
    p.setPen(Qt::NoPen);
    p.setBrush(d.colour);
    p.drawEllipse(QPointF(d.x, d.y), d.r * 0.42, d.r * 0.42);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(d.x, d.y), d.r * 0.14, d.r * 0.14);
}

std::vector<Dot> CircleLayout(int number) {
    switch (number) {
        case 1:
            return {{50, 73, 38, kRedColour}};
        case 2:
            return {{50, 40, 22, kGreenColour}, {50, 106, 22, kBlueColour}};
        case 3:
            return {
                {25, 30, 18, kBlueColour}, {50, 73, 18, kRedColour}, {75, 116, 18, kGreenColour}};
        case 4:
            return {{29, 42, 19, kBlueColour},
                    {71, 42, 19, kGreenColour},
                    {29, 104, 19, kGreenColour},
                    {71, 104, 19, kBlueColour}};
        case 5:
            return {{27, 32, 17, kBlueColour},
                    {73, 32, 17, kGreenColour},
                    {50, 73, 17, kRedColour},
                    {27, 114, 17, kGreenColour},
                    {73, 114, 17, kBlueColour}};
        case 6:
            return {{30, 30, 17, kGreenColour}, {70, 30, 17, kGreenColour},
                    {30, 73, 17, kRedColour},   {70, 73, 17, kRedColour},
                    {30, 116, 17, kRedColour},  {70, 116, 17, kRedColour}};
        case 7:
            return {{24, 21, 13, kGreenColour}, {50, 35, 13, kGreenColour},
                    {76, 49, 13, kGreenColour}, {31, 86, 15, kRedColour},
                    {69, 86, 15, kRedColour},   {31, 120, 15, kRedColour},
                    {69, 120, 15, kRedColour}};
        case 8: {
            std::vector<Dot> dots;
            for (double y : {22.0, 56.0, 90.0, 124.0}) {
                dots.push_back({30, y, 15, kBlueColour});
                dots.push_back({70, y, 15, kBlueColour});
            }
            return dots;
        }
        default: {
            std::vector<Dot> dots;
            const std::array<QColor, 3> rows = {kBlueColour, kRedColour, kGreenColour};
            for (int row = 0; row < 3; ++row) {
                for (double x : {21.0, 50.0, 79.0})
                    dots.push_back({x, 30.0 + 43.0 * row, 14, rows[row]});
            }
            return dots;
        }
    }
}

void DrawStick(QPainter& p, const Stick& s) {
    const double w = 9.0;
    const QRectF body(s.x - w / 2, s.y - s.length / 2, w, s.length);
    p.setPen(QPen(s.colour.darker(140), 1.2));
    p.setBrush(s.colour);
    p.drawRoundedRect(body, 3.5, 3.5);
    // The joints: a pale line across the middle and near both ends, as on a bamboo cane.
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.6));
    for (double f : {0.12, 0.5, 0.88}) {
        const double y = body.top() + body.height() * f;
        p.drawLine(QPointF(body.left() + 1.5, y), QPointF(body.right() - 1.5, y));
    }
}

void DrawBird(QPainter& p) {
    // A small green bird on a perch, facing left, with a red crest and a fanned tail.
    p.setPen(QPen(kGreenColour.darker(150), 1.5));
    p.setBrush(kGreenColour);
    for (int i = 0; i < 5; ++i) {
        QPainterPath feather;
        const double dx = -14.0 + 7.0 * i;
        feather.moveTo(58, 92);
        feather.quadTo(64 + dx, 116, 70 + dx * 1.6, 134);
        feather.quadTo(76 + dx, 118, 62, 90);
        p.drawPath(feather);
    }
    p.setBrush(kGreenColour.lighter(115));
    p.drawEllipse(QRectF(32, 58, 44, 42));  // body
    p.setBrush(kBlueColour);
    p.drawEllipse(QRectF(26, 34, 26, 26));  // head
    p.setBrush(QColor(230, 160, 40));
    QPainterPath beak;
    beak.moveTo(27, 45);
    beak.lineTo(14, 50);
    beak.lineTo(28, 52);
    p.drawPath(beak);
    p.setPen(Qt::NoPen);
    p.setBrush(kRedColour);
    p.drawEllipse(QRectF(36, 24, 9, 13));  // crest
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(36, 44), 3.4, 3.4);
    p.setBrush(kInkColour);
    p.drawEllipse(QPointF(35.5, 44), 1.8, 1.8);
    p.setPen(QPen(QColor(120, 80, 40), 3));
    p.drawLine(QPointF(30, 104), QPointF(80, 104));  // perch
    p.setPen(QPen(kRedColour, 2));
    p.drawLine(QPointF(48, 98), QPointF(46, 104));
    p.drawLine(QPointF(58, 98), QPointF(58, 104));
}

std::vector<Stick> BambooLayout(int number) {
    std::vector<Stick> sticks;
    auto grid = [&](std::initializer_list<double> xs, std::initializer_list<double> ys, double len,
                    QColor colour) {
        for (double y : ys) {
            for (double x : xs) sticks.push_back({x, y, len, colour});
        }
    };
    switch (number) {
        case 2:
            grid({50}, {42, 106}, 52, kGreenColour);
            break;
        case 3:
            grid({50}, {42}, 52, kGreenColour);
            grid({30, 70}, {106}, 52, kGreenColour);
            break;
        case 4:
            grid({30, 70}, {42, 106}, 52, kGreenColour);
            break;
        case 5:
            grid({24, 76}, {40, 108}, 48, kGreenColour);
            grid({50}, {74}, 48, kRedColour);
            break;
        case 6:
            grid({24, 50, 76}, {42, 106}, 52, kGreenColour);
            break;
        case 7:
            grid({50}, {28}, 34, kRedColour);
            grid({24, 50, 76}, {72, 118}, 38, kGreenColour);
            break;
        case 8:
            grid({19, 39, 59, 79}, {42, 106}, 52, kGreenColour);
            break;
        default:
            for (double y : {30.0, 74.0, 118.0}) {
                sticks.push_back({24, y, 38, kGreenColour});
                sticks.push_back({50, y, 38, kRedColour});
                sticks.push_back({76, y, 38, kGreenColour});
            }
            break;
    }
    return sticks;
}

void DrawHonour(QPainter& p, TileKind kind) {
    switch (kind) {
        case kWhite: {
            // The blank dragon: an empty blue frame.
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(kBlueColour, 4));
            p.drawRect(QRectF(22, 30, 54, 86));
            p.setPen(QPen(kBlueColour, 1.5));
            p.drawRect(QRectF(29, 37, 40, 72));
            return;
        }
        case kGreen:
            DrawKanji(p, QStringLiteral("發"), QRectF(2, 10, 94, 126), 78, kGreenColour);
            return;
        case kRed:
            DrawKanji(p, QStringLiteral("中"), QRectF(2, 10, 94, 126), 84, kRedColour);
            return;
        default: {
            static const std::array<const char*, 4> kWinds = {"東", "南", "西", "北"};
            DrawKanji(p, QString::fromUtf8(kWinds[kind - kEast]), QRectF(2, 10, 94, 126), 78,
                      kInkColour);
            return;
        }
    }
}

std::string GifName(TileKind kind) {
    static const std::array<char, 4> kLetters = {'m', 'p', 's', 'j'};
    char name[16];
    std::snprintf(name, sizeof name, "%c%d.gif", kLetters[kind / 9], kind % 9 + 1);
    return name;
}

}  // namespace

QImage DrawTilePicture(TileKind kind, QSize size) {
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    if (!IsValidKind(kind)) return picture;
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size.width() / kCanvasWidth, size.height() / kCanvasHeight);
    DrawFace(p);
    const int number = NumberOf(kind);
    if (IsHonour(kind)) {
        DrawHonour(p, kind);
    } else if (SuitOf(kind) == 0) {
        DrawCharacters(p, number);
    } else if (SuitOf(kind) == 1) {
        for (const Dot& d : CircleLayout(number)) DrawDot(p, d);
        if (number == 1) {
            // The one of circles carries an extra ring, as a flower.
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(kGreenColour, 2.5));
            p.drawEllipse(QPointF(50, 73), 27, 27);
        }
    } else if (number == 1) {
        DrawBird(p);
    } else {
        for (const Stick& s : BambooLayout(number)) DrawStick(p, s);
    }
    return picture;
}

QImage DrawTurnedTilePicture(TileKind kind) {
    return DrawTilePicture(kind).transformed(QTransform().rotate(-90));
}

bool WriteMissingTileGifs(const std::string& dataDirectory) {
    const QString folder = QString::fromStdString(dataDirectory) + QStringLiteral("img");
    if (!QDir().mkpath(folder)) return false;
    bool ok = true;
    for (TileKind k = 0; k < kKinds; ++k) {
        const std::string path = folder.toStdString() + "/" + GifName(k);
        if (QFileInfo::exists(QString::fromStdString(path))) continue;
        // GIF has no partial transparency; the pictures go onto the white of a page.
        QImage opaque(kTilePictureWidth, kTilePictureHeight, QImage::Format_RGB32);
        opaque.fill(Qt::white);
        QPainter(&opaque).drawImage(0, 0, DrawTilePicture(k));
        const std::optional<std::string> bytes = EncodeGif(opaque);
        ok = bytes && WriteFileAtomically(path, *bytes) && ok;
    }
    return ok;
}

}  // namespace mizaro
