#pragma once
// The sprite sheet: every picture the board's controls copy, each in its cell of the sheet's
// geometry table and clipped to it, on black.

#include <QString>

class QPainter;
class QRectF;

namespace art {

void DrawSheet(QPainter& painter, const QRectF& sheet);

// Writes vantel6.bmp (24-bit) and its double-resolution twin vantel6@2x.png into `folder`.
bool WriteSheets(const QString& folder);

}  // namespace art
