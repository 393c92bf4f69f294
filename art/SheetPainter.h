#pragma once
// The sprite sheet: every picture the board's controls copy, each in its cell of the sheet's
// geometry table and clipped to it, on black.

#include <QRect>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

namespace art {

void DrawSheet(QPainter& painter, const QRectF& sheet);

// Every cell drawn on the sheet, in the pixels of the sheet drawn at `scale`.
std::vector<QRect> SheetCells(int scale);

// Writes the sheet (a 24-bit bitmap) and its double-resolution twin (PNG, and its cells each
// compressed alone) into the game's folder.
bool WriteSheets(const QString& gameFolder);

}  // namespace art
