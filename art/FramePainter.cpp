#include "FramePainter.h"

#include "Palette.h"

#include <QLinearGradient>
#include <QPainter>

namespace art {
namespace {

struct RodColours {
    QColor edge;
    QColor body;
    QColor shine;
};

RodColours ColoursOf(Frame style)
{
    switch (style) {
    case Frame::Closed: return {QColor(34, 38, 50), QColor(72, 78, 96), QColor(112, 118, 136)};
    case Frame::CurrentRow: return {QColor(196, 140, 0), palette::kYellow, QColor(255, 250, 200)};
    case Frame::Open: break;
    }
    return {QColor(0, 58, 150), palette::kFrameBlue, QColor(110, 176, 255)};
}

}  // namespace

void DrawFrame(QPainter& painter, const QRectF& rect, Frame style)
{
    const bool upright = rect.height() > rect.width();
    const QPointF from = rect.topLeft();
    const QPointF to = upright ? rect.topRight() : rect.bottomLeft();
    const RodColours colours = ColoursOf(style);
    QLinearGradient rod(from, to);
    rod.setColorAt(0.0, colours.edge);
    rod.setColorAt(0.3, colours.body);
    rod.setColorAt(0.5, colours.shine);
    rod.setColorAt(0.7, colours.body);
    rod.setColorAt(1.0, colours.edge);
    painter.fillRect(rect, rod);
}

}  // namespace art
