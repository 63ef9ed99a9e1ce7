#include "app/ui/tile_numbers.h"

#include <QFont>
#include <QPainter>
#include <array>

#include "app/ui/tile_pictures.h"

namespace mizaro {

namespace {

constexpr int kMarkPixels = 11;  // readable, and small enough to leave the picture in view
constexpr int kMarkPadding = 2;

}  // namespace

QString TileCornerText(TileKind kind) {
    if (!IsValidKind(kind)) return {};
    if (!IsHonour(kind)) return QString::number(NumberOf(kind));
    static const std::array<const char*, 7> kHonours = {"E", "S", "W", "N", "Wh", "Gr", "Rd"};
    return QString::fromLatin1(kHonours[kind - kEast]);
}

QPixmap WindowTile(TileKind kind, bool numbers, bool turned) {
    QImage picture = turned ? DrawTurnedTilePicture(kind) : DrawTilePicture(kind);
    const QString mark = numbers ? TileCornerText(kind) : QString();
    if (!mark.isEmpty()) {
        // Drawn on the finished picture, so the mark stands upright on a turned tile too.
        QPainter p(&picture);
        p.setRenderHint(QPainter::TextAntialiasing);
        QFont font = p.font();
        font.setPixelSize(kMarkPixels);
        font.setBold(true);
        p.setFont(font);
        QRect box = p.fontMetrics().boundingRect(mark).adjusted(0, 0, 2 * kMarkPadding, 0);
        box.moveTopLeft(QPoint(kMarkPadding, kMarkPadding));
        p.fillRect(box, QColor(255, 255, 255, 220));
        p.setPen(Qt::black);
        p.drawText(box, Qt::AlignCenter, mark);
    }
    return QPixmap::fromImage(picture);
}

}  // namespace mizaro
