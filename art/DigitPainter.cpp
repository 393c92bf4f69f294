#include "DigitPainter.h"

#include "Palette.h"
#include "TextPainter.h"

#include <QPainter>

namespace art {
namespace {

// Every figure shares one size, set by the widest, so a number reads evenly.
qreal DigitScale(const QRectF& cell)
{
    const QRectF inner = cell.adjusted(0.06 * cell.width(), 0, -0.06 * cell.width(), 0);
    return FitScale(QStringLiteral("0"), inner.size(), 0.72);
}

}  // namespace

void DrawDigit(QPainter& painter, const QRectF& cell, int set, int digit)
{
    const QColor colour = palette::kDigitSet[qBound(0, set, 2)];
    const qreal scale = DigitScale(cell);
    DrawText(painter, cell, CentredBaseline(cell, scale), QString::number(digit), {scale, 1.0},
             Mix(colour, Qt::white, 0.35), Mix(colour, Qt::black, 0.12));
}

void DrawDecimalPoint(QPainter& painter, const QRectF& cell)
{
    const qreal dot = 0.25 * cell.width();
    const qreal baseline = CentredBaseline(cell, DigitScale(cell));
    // Whole pixels keep so small a dot crisp.
    const qreal left = cell.left() + qRound((cell.width() - dot) / 2);
    const QRectF square(left, qRound(baseline) - dot, dot, dot);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::kYellow);
    painter.drawRoundedRect(square, 0.2 * dot, 0.2 * dot);
}

}  // namespace art
