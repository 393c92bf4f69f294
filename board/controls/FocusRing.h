#pragma once
// The mark of the slot the keyboard is on: a ring around the chip made of the same tube as the
// board's frame, in the style that marks an open board's current row, so it reads as part of the
// board on an open and on a closed frame alike and scales with the slot.

#include <QSize>

class CSpriteSheet;
class QPainter;

// Draws the ring over a slot shown `shown` pixels large; without a sheet it keeps a plain gold.
void DrawFocusRing(QPainter& painter, QSize shown, const CSpriteSheet* sheet);
