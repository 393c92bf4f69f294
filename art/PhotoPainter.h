#pragma once
// The picture down the side of the High Scores dialog: glossy chips tumbling through a dark,
// softly lit space onto a mirror floor, with pegs scattered among them.

class QPainter;
class QRectF;

namespace art {

void DrawPhoto(QPainter& painter, const QRectF& box);

}  // namespace art
