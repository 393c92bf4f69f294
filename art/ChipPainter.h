#pragma once
// Glossy chips: a lit ball, its marks (a shape, a cross) under the glaze, a soft shadow, and the
// recessed slot a chip sits in on the board.

#include <QColor>
#include <QPointF>
#include <QRgb>

class QPainter;
class QRectF;

namespace art {

struct Ball {
    QPointF centre;
    qreal radius;
};

struct ChipLook {
    QColor base;
    int shape;             // 1 to 6 to carry that shape, 0 for none
    QColor ink;            // of the shape
    QColor crossInk;       // a cross over the ball in this colour; none while invalid
    qreal gloss;           // strength of the highlights, 1 for a new chip
};

ChipLook ShapeChip(int shape);              // a silver ball with a black shape
ChipLook PlainChip(const QColor& base);     // a plain ball
ChipLook ColourChip(int colour);            // a plain ball of the chip colour
ChipLook PoolChip(int shape, int colour);   // a ball of the colour with its shape in a contrasting ink
ChipLook NoDropChip();                      // a dark ball with a red cross

// Chips out of the game keep their look but lose most of their light and colour, to a cool grey.
QRgb Dimmed(QRgb pixel);

// The ball a chip cell holds: a little above and left of the centre, so its shadow shows.
Ball BallInCell(const QRectF& cell);

void DrawBallShadow(QPainter& painter, const Ball& ball);
void DrawBall(QPainter& painter, const Ball& ball, const ChipLook& look);
// A ball with its shadow below it.
void DrawLooseChip(QPainter& painter, const Ball& ball, const ChipLook& look);

// The slot of the board: a dark recessed hole filling the cell.
void DrawHole(QPainter& painter, const QRectF& cell);
// A chip resting in its slot; a dimmed chip fades, its slot does not.
void DrawSlottedChip(QPainter& painter, const QRectF& cell, const ChipLook& look, bool dimmed = false);
// A cross over the chip of a cell, for a chip that is not in play.
void DrawCrossOut(QPainter& painter, const QRectF& cell);
// A slot that takes no part in the game: a dark plate, crossed out.
void DrawClosedSlot(QPainter& painter, const QRectF& cell);

}  // namespace art
