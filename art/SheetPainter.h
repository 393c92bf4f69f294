#pragma once
// The sprite sheet: every picture the board's controls copy, each in its cell of the sheet's
// geometry table and clipped to it, on black.

#include <QString>

class QPainter;
class QRectF;

namespace art {

void DrawSheet(QPainter& painter, const QRectF& sheet);

// Writes the sheet (a 24-bit bitmap) and its double-resolution twin (PNG) into the game's folder.
bool WriteSheets(const QString& gameFolder);

}  // namespace art
