#pragma once
// Every colour of the game's art in one place, so the board, the window images and the icon agree.

#include <QColor>

namespace art {

// The six chip colours, numbered 1 to 6 as the game numbers them (blue, orange, purple, green,
// yellow, red). Lightness runs from dark purple and red to light yellow and green, so the chips stay
// at least 25 ΔE*ab apart for normal vision and under the protanopia, deuteranopia and tritanopia
// simulations (docs/colours.md; tests/art measures the drawn sheet).
QColor ChipColour(int colour);

// Whether a shape on a ball of this colour reads best in dark ink rather than light.
bool WantsDarkInk(const QColor& ball);

QColor Mix(const QColor& from, const QColor& to, qreal share);
QColor WithAlpha(const QColor& colour, int alpha);

namespace palette {
const QColor kFrameBlue(0, 106, 255);
const QColor kSeparatorOrange(255, 106, 0);
const QColor kShapeBall(198, 200, 206);    // the silver ball that carries a black shape
const QColor kShapeInk(14, 14, 18);
const QColor kCrossOut(128, 130, 142);     // the cross over a chip that is not in play
const QColor kNoDropBall(86, 86, 92);
const QColor kNoDropInk(226, 30, 34);
const QColor kExactPeg(232, 34, 38);
const QColor kLabelOrange(255, 122, 10);
const QColor kLabelBlue(40, 132, 255);
const QColor kLabelGreen(48, 206, 84);
const QColor kLabelRed(232, 36, 36);
const QColor kYellow(255, 216, 0);
const QColor kDigitSet[3] = {QColor(255, 214, 0), QColor(130, 186, 255), QColor(70, 222, 112)};
}  // namespace palette

}  // namespace art
