#include "PhotoPainter.h"

#include "ChipPainter.h"
#include "Palette.h"
#include "PegPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>
#include <iterator>

namespace art {
namespace {

// A fixed little random sequence, so that the picture is the same on every build.
class Scatter {
public:
    qreal Next()
    {
        m_state = m_state * 1103515245u + 12345u;
        return qreal((m_state >> 8) & 0xFFFF) / 65535.0;
    }

private:
    quint32 m_state = 20240917u;
};

void DrawBackdrop(QPainter& painter, const QRectF& box)
{
    QLinearGradient sky(box.topLeft(), box.bottomLeft());
    sky.setColorAt(0.0, QColor(14, 18, 52));
    sky.setColorAt(0.55, QColor(30, 10, 46));
    sky.setColorAt(1.0, QColor(4, 4, 8));
    painter.fillRect(box, sky);
    const QPointF glowCentre(box.center().x(), box.top() + 0.34 * box.height());
    QRadialGradient glow(glowCentre, 0.9 * box.width());
    glow.setColorAt(0.0, QColor(90, 70, 170, 110));
    glow.setColorAt(1.0, QColor(90, 70, 170, 0));
    painter.fillRect(box, glow);
}

void DrawBokeh(QPainter& painter, const QRectF& box)
{
    Scatter scatter;
    for (int i = 0; i < 34; ++i) {
        const QPointF centre(box.left() + scatter.Next() * box.width(),
                             box.top() + scatter.Next() * 0.86 * box.height());
        const qreal radius = 4.0 + scatter.Next() * 22.0;
        const QColor colour = ChipColour(1 + i % 6);
        const int alpha = 18 + int(scatter.Next() * 40);
        QRadialGradient disc(centre, radius);
        disc.setColorAt(0.0, WithAlpha(colour, alpha / 2));
        disc.setColorAt(0.85, WithAlpha(colour, alpha));
        disc.setColorAt(1.0, WithAlpha(colour, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(disc);
        painter.drawEllipse(centre, radius, radius);
    }
}

void DrawLightShaft(QPainter& painter, const QRectF& box)
{
    painter.save();
    painter.translate(box.left() + 0.7 * box.width(), box.top());
    painter.rotate(24);
    const QRectF shaft(-0.22 * box.width(), -20, 0.44 * box.width(), 1.2 * box.height());
    QLinearGradient beam(shaft.topLeft(), shaft.topRight());
    beam.setColorAt(0.0, QColor(255, 255, 255, 0));
    beam.setColorAt(0.5, QColor(200, 210, 255, 26));
    beam.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.fillRect(shaft, beam);
    painter.restore();
}

struct Placed {
    qreal x;       // share of the width
    qreal y;       // share of the height
    qreal radius;  // share of the width
    int shape;
    int colour;
};

// Far chips are small and high, near ones large and low.
const Placed kChips[] = {
    {0.36, 0.08, 0.085, 1, 5}, {0.66, 0.17, 0.1, 4, 6}, {0.34, 0.28, 0.12, 3, 1},
    {0.68, 0.41, 0.14, 2, 4}, {0.3, 0.56, 0.165, 5, 2}, {0.64, 0.73, 0.2, 6, 3},
};

Ball BallOf(const Placed& chip, const QRectF& box)
{
    return {QPointF(box.left() + chip.x * box.width(), box.top() + chip.y * box.height()),
            chip.radius * box.width()};
}

void DrawChips(QPainter& painter, const QRectF& box)
{
    for (const Placed& chip : kChips) {
        DrawLooseChip(painter, BallOf(chip, box), PoolChip(chip.shape, chip.colour));
    }
}

void DrawPegs(QPainter& painter, const QRectF& box)
{
    const struct { qreal x, y, size; Peg peg; } pegs[] = {
        {0.72, 0.05, 0.1, Peg::Present}, {0.16, 0.19, 0.12, Peg::Exact}, {0.84, 0.3, 0.14, Peg::Present},
        {0.12, 0.43, 0.15, Peg::Present}, {0.86, 0.56, 0.17, Peg::Exact}, {0.2, 0.76, 0.2, Peg::Exact},
    };
    for (const auto& peg : pegs) {
        const qreal side = peg.size * box.width();
        const QRectF cell(box.left() + peg.x * box.width() - side / 2,
                          box.top() + peg.y * box.height() - side / 2, side, side);
        DrawPeg(painter, cell, peg.peg);
    }
}

// The lowest chip stands on a dark mirror.
void DrawFloor(QPainter& painter, const QRectF& box)
{
    const Placed& last = kChips[std::size(kChips) - 1];
    const Ball ball = BallOf(last, box);
    const qreal floorY = ball.centre.y() + ball.radius;
    const QRectF floor(box.left(), floorY, box.width(), box.bottom() - floorY);
    painter.fillRect(floor, QColor(0, 0, 0, 110));
    painter.save();
    painter.setClipRect(floor);
    painter.setOpacity(0.3);
    painter.translate(0, 2 * floorY);
    painter.scale(1, -1);
    DrawBall(painter, ball, PoolChip(last.shape, last.colour));
    painter.restore();
    QLinearGradient fade(floor.topLeft(), floor.bottomLeft());
    fade.setColorAt(0.0, QColor(4, 4, 8, 40));
    fade.setColorAt(0.8, QColor(4, 4, 8, 255));
    painter.fillRect(floor, fade);
    painter.fillRect(QRectF(box.left(), floorY - 0.5, box.width(), 1.0), QColor(120, 130, 200, 60));
}

void DrawVignette(QPainter& painter, const QRectF& box)
{
    QRadialGradient vignette(box.center(), 0.62 * box.height());
    vignette.setColorAt(0.5, QColor(0, 0, 0, 0));
    vignette.setColorAt(1.0, QColor(0, 0, 0, 200));
    painter.fillRect(box, vignette);
    painter.setPen(QPen(WithAlpha(palette::kFrameBlue, 160), 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(1, 1, -1, -1));
}

}  // namespace

void DrawPhoto(QPainter& painter, const QRectF& box)
{
    painter.save();
    painter.setClipRect(box);
    DrawBackdrop(painter, box);
    DrawLightShaft(painter, box);
    DrawBokeh(painter, box);
    DrawPegs(painter, box);
    DrawChips(painter, box);
    DrawFloor(painter, box);
    DrawVignette(painter, box);
    painter.restore();
}

}  // namespace art
