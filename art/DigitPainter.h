#pragma once
// Score digits: bold figures on black, one set of colours each for the round in play, finished
// rounds and totals; and the decimal point of the high-score averages, on the digits' baseline.

class QPainter;
class QRectF;

namespace art {

void DrawDigit(QPainter& painter, const QRectF& cell, int set, int digit);
void DrawDecimalPoint(QPainter& painter, const QRectF& cell);

}  // namespace art
