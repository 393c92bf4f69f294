#pragma once
// The application icon and the thirteen drag cursors, on transparent ground.

class QPainter;
class QRectF;

namespace art {

// Three glossy chips; a single chip when the icon is too small to tell three apart.
void DrawIcon(QPainter& painter, const QRectF& box);

// The first and last cursor ids; each cursor shows one whole chip (136 .. 148).
constexpr int kFirstCursor = 136;
constexpr int kLastCursor = 148;

// The chip of cursor `id`, hanging below and right of the pointer at the top-left corner.
void DrawCursor(QPainter& painter, const QRectF& box, int id);

}  // namespace art
