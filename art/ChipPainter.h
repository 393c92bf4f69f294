#pragma once
// Glossy chips: a lit ball, its mark (a shape or a cross) under the glaze, a soft shadow, and the
// recessed slot a chip sits in on the board.

#include <QColor>
#include <QPointF>

class QPainter;
class QRectF;

namespace art {

struct Ball {
    QPointF centre;
    qreal radius;
};

struct ChipLook {
    QColor base;
    int shape = 0;         // 1 to 6 to carry that shape, 0 for none
    bool cross = false;    // carries a cross instead of a shape
    QColor ink;            // of the shape or the cross
    qreal gloss = 1.0;     // strength of the highlights
};

ChipLook ShapeChip(int shape);              // a silver ball with a black shape
ChipLook PlainChip(const QColor& base);     // a plain ball
ChipLook ColourChip(int colour);            // a plain ball of the chip colour
ChipLook PoolChip(int shape, int colour);   // a ball of the colour with its shape in a contrasting ink
ChipLook RetiredChip();                     // a chip not in play: dull, dark, crossed
ChipLook NoDropChip();                      // a dark ball with a red cross

// The ball a chip cell holds: a little above and left of the centre, so its shadow shows.
Ball BallInCell(const QRectF& cell);

void DrawBallShadow(QPainter& painter, const Ball& ball);
void DrawBall(QPainter& painter, const Ball& ball, const ChipLook& look);

// The slot of the board: a dark recessed hole filling the cell.
void DrawHole(QPainter& painter, const QRectF& cell);
// A chip resting in its slot.
void DrawSlottedChip(QPainter& painter, const QRectF& cell, const ChipLook& look);
// A slot that takes no part in the game: a dark plate, crossed out.
void DrawClosedSlot(QPainter& painter, const QRectF& cell);

}  // namespace art
