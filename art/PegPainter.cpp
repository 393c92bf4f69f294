#include "PegPainter.h"

#include "ChipPainter.h"
#include "Palette.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace art {
namespace {

QPainterPath Ring(const QPointF& centre, qreal outer, qreal inner)
{
    QPainterPath ring;
    ring.addEllipse(centre, outer, outer);
    ring.addEllipse(centre, inner, inner);
    return ring;   // odd-even fill leaves the middle open
}

void DrawNoMatch(QPainter& painter, const QRectF& cell)
{
    const qreal size = cell.width();
    const QPointF centre = cell.center();
    QLinearGradient metal(centre - QPointF(0, 0.2 * size), centre + QPointF(0, 0.2 * size));
    metal.setColorAt(0.0, QColor(44, 46, 54));
    metal.setColorAt(1.0, QColor(92, 96, 110));
    painter.fillPath(Ring(centre, 0.22 * size, 0.14 * size), metal);
}

void DrawPresent(QPainter& painter, const QRectF& cell)
{
    const qreal size = cell.width();
    const QPointF centre = cell.center() + QPointF(-0.01 * size, -0.01 * size);
    const qreal outer = 0.36 * size;
    const qreal inner = 0.15 * size;
    QRadialGradient porcelain(centre + QPointF(-0.12 * size, -0.14 * size), 0.62 * size);
    porcelain.setColorAt(0.0, QColor(255, 255, 255));
    porcelain.setColorAt(0.45, QColor(236, 238, 244));
    porcelain.setColorAt(0.8, QColor(168, 172, 186));
    porcelain.setColorAt(1.0, QColor(120, 124, 138));
    painter.fillPath(Ring(centre, outer, inner), porcelain);
    // The inner wall of the ring turns away from the light at the top.
    QLinearGradient wall(centre - QPointF(0, inner), centre + QPointF(0, inner));
    wall.setColorAt(0.0, QColor(90, 92, 104));
    wall.setColorAt(1.0, QColor(240, 242, 248));
    painter.setPen(QPen(QBrush(wall), 0.035 * size));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, inner, inner);
    painter.setPen(QPen(QColor(70, 72, 84), 0.02 * size));
    painter.drawEllipse(centre, outer, outer);
}

void DrawExact(QPainter& painter, const QRectF& cell)
{
    const qreal size = cell.width();
    const Ball ball{cell.center() + QPointF(-0.01 * size, -0.01 * size), 0.37 * size};
    DrawBall(painter, ball, PlainChip(palette::kExactPeg));
}

}  // namespace

void DrawPeg(QPainter& painter, const QRectF& cell, Peg peg)
{
    switch (peg) {
    case Peg::NoMatch: DrawNoMatch(painter, cell); break;
    case Peg::Present: DrawPresent(painter, cell); break;
    case Peg::Exact: DrawExact(painter, cell); break;
    case Peg::None: break;
    }
}

}  // namespace art
