#include "app/ui/app_icon.h"

#include <QPainter>
#include <QPixmap>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

namespace mizaro {

namespace {

struct Shape {
    enum Kind { kRoundedRect, kCircle } kind;
    double x, y;       // rectangle: top left; circle: centre
    double w, h, r;    // rectangle: size and corner radius; circle: radius in r
    const char* fill;  // "#rrggbb"
    const char* stroke = nullptr;
    double strokeWidth = 0;
};

constexpr const char* kFace = "#fffdf4";
constexpr const char* kRim = "#786e5f";
constexpr const char* kBack = "#187a3a";
constexpr const char* kBlue = "#1f4e9c";
constexpr const char* kGreen = "#187a3a";
constexpr const char* kRed = "#c0262d";

constexpr double kCentreX = 120, kCentreY = 121;
constexpr int kRingDots = 8;
constexpr double kRingDotRadius = 58, kRingDotSize = 4;

// Back to front: the tile's green back peeking out below and to the right, the ivory face,
// then the rings of the one of circles with a row of small dots on the outer ring.
std::vector<Shape> IconShapes() {
    std::vector<Shape> shapes = {
        {Shape::kRoundedRect, 54, 20, 164, 230, 22, kBack},
        {Shape::kRoundedRect, 38, 6, 164, 230, 22, kFace, kRim, 5},
        {Shape::kCircle, kCentreX, kCentreY, 0, 0, 64, kBlue},
        {Shape::kCircle, kCentreX, kCentreY, 0, 0, 52, kFace},
        {Shape::kCircle, kCentreX, kCentreY, 0, 0, 44, kGreen},
        {Shape::kCircle, kCentreX, kCentreY, 0, 0, 30, kFace},
        {Shape::kCircle, kCentreX, kCentreY, 0, 0, 20, kRed},
    };
    for (int i = 0; i < kRingDots; ++i) {
        const double angle = 2 * std::numbers::pi * i / kRingDots;
        shapes.push_back({Shape::kCircle, kCentreX + kRingDotRadius * std::cos(angle),
                          kCentreY + kRingDotRadius * std::sin(angle), 0, 0, kRingDotSize, kFace});
    }
    return shapes;
}

}  // namespace

QImage DrawAppIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(static_cast<double>(size) / kAppIconCanvas, static_cast<double>(size) / kAppIconCanvas);
    for (const Shape& s : IconShapes()) {
        p.setBrush(QColor(QString::fromLatin1(s.fill)));
        if (s.stroke != nullptr)
            p.setPen(QPen(QColor(QString::fromLatin1(s.stroke)), s.strokeWidth));
        else
            p.setPen(Qt::NoPen);
        if (s.kind == Shape::kRoundedRect)
            p.drawRoundedRect(QRectF(s.x, s.y, s.w, s.h), s.r, s.r);
        else
            p.drawEllipse(QPointF(s.x, s.y), s.r, s.r);
    }
    return image;
}

std::string AppIconSvg() {
    char buf[256];
    std::snprintf(buf, sizeof buf,
                  "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" "
                  "viewBox=\"0 0 %d %d\">\n",
                  kAppIconCanvas, kAppIconCanvas, kAppIconCanvas, kAppIconCanvas);
    std::string svg = buf;
    for (const Shape& s : IconShapes()) {
        if (s.kind == Shape::kRoundedRect)
            std::snprintf(buf, sizeof buf,
                          "  <rect x=\"%g\" y=\"%g\" width=\"%g\" height=\"%g\" rx=\"%g\" "
                          "fill=\"%s\"",
                          s.x, s.y, s.w, s.h, s.r, s.fill);
        else
            std::snprintf(buf, sizeof buf, "  <circle cx=\"%.2f\" cy=\"%.2f\" r=\"%g\" fill=\"%s\"",
                          s.x, s.y, s.r, s.fill);
        svg += buf;
        if (s.stroke != nullptr) {
            std::snprintf(buf, sizeof buf, " stroke=\"%s\" stroke-width=\"%g\"", s.stroke,
                          s.strokeWidth);
            svg += buf;
        }
        svg += "/>\n";
    }
    return svg + "</svg>\n";
}

QIcon AppIcon() {
    QIcon icon;
    for (int size : kAppIconSizes) icon.addPixmap(QPixmap::fromImage(DrawAppIcon(size)));
    return icon;
}

}  // namespace mizaro
