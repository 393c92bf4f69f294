#pragma once
// Outlines of the six chip shapes: 1 star, 2 club, 3 diamond, 4 heart, 5 spade, 6 circle.

#include <QPainterPath>
#include <QRectF>

namespace art {

// The shape centred in `box` and as large as fits it, with the bolder shapes held back a little so
// that all six carry the same visual weight. An unknown shape gives an empty path.
QPainterPath ShapePath(int shape, const QRectF& box);

}  // namespace art
