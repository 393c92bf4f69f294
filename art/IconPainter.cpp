#include "IconPainter.h"

#include "ChipPainter.h"

#include <QPainter>

namespace art {
namespace {


Ball At(const QRectF& box, qreal x, qreal y, qreal radius)
{
    return {QPointF(box.left() + x * box.width(), box.top() + y * box.height()), radius * box.width()};
}

// Which chip each cursor shows, by id from 136 on.
ChipLook CursorChip(int id)
{
    switch (id) {
    case 136: return ColourChip(1);
    case 137: return ShapeChip(6);
    case 138: return ShapeChip(2);
    case 139: return ShapeChip(3);
    case 140: return ColourChip(4);
    case 141: return ShapeChip(4);
    case 143: return ColourChip(2);
    case 144: return ColourChip(3);
    case 145: return ColourChip(6);
    case 146: return ShapeChip(5);
    case 147: return ShapeChip(1);
    case 148: return ColourChip(5);
    default: return NoDropChip();
    }
}

}  // namespace

void DrawIcon(QPainter& painter, const QRectF& box)
{
    if (box.width() < 30) {
        DrawLooseChip(painter, At(box, 0.47, 0.47, 0.44), PoolChip(1, 1));
        return;
    }
    DrawLooseChip(painter, At(box, 0.3, 0.32, 0.26), PoolChip(4, 6));
    DrawLooseChip(painter, At(box, 0.69, 0.32, 0.26), PoolChip(3, 5));
    DrawLooseChip(painter, At(box, 0.48, 0.63, 0.32), PoolChip(1, 1));
}

void DrawCursor(QPainter& painter, const QRectF& box, int id)
{
    DrawLooseChip(painter, At(box, 0.47, 0.47, 0.45), CursorChip(id));
}

}  // namespace art
