#include "ChipLabels.h"

#include <QFont>
#include <QPainter>

#include "Chips.h"
#include "SpriteGeometry.h"

namespace {

// A small dark disc with a light number in the cell's lower right corner, over the rim of the
// chip, where it covers nothing of the shape; dimmed on the pool's eliminated chips.
void DrawLabel(QPainter& painter, const QRect& area, sprites::Cell cell, sprites::Size size, int number, bool dimmed)
{
    if (!area.intersects(QRect(cell.x, cell.y, size.w, size.h))) return;
    const qreal d = 0.32 * size.w;
    const qreal margin = 0.08 * size.w;   // inside the ring that marks the keyboard's slot
    const QRectF disc(cell.x + size.w - d - margin, cell.y + size.h - d - margin, d, d);
    painter.setPen(QPen(dimmed ? QColor(96, 96, 104) : QColor(235, 235, 240), d / 14));
    painter.setBrush(QColor(10, 10, 14, 230));
    painter.drawEllipse(disc);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(qRound(0.72 * d));
    painter.setFont(font);
    painter.setPen(dimmed ? QColor(140, 140, 148) : QColor(255, 255, 255));
    painter.drawText(disc, Qt::AlignCenter, QString::number(number));
}

}  // namespace

void DrawChipLabels(QPainter& painter, const QRect& area)
{
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    for (int v = chipvalue::kFirstShape; v <= chipvalue::kLastColor; ++v)
        DrawLabel(painter, area, sprites::GuessChipCell(v), sprites::kChipSize, (v - 1) % 6 + 1, false);
    for (int i = 0; i < chips::kCount; ++i) {
        DrawLabel(painter, area, sprites::CenterChipCell(i), sprites::kPoolSize, chips::ColorOf(i), false);
        DrawLabel(painter, area, sprites::CenterChipCell(i + chips::kCount), sprites::kPoolSize, chips::ColorOf(i),
                  true);
    }
}
