#include "Palette.h"

namespace art {

QColor ChipColour(int colour)
{
    static const QColor kColours[6] = {
        QColor(40, 122, 247),   // blue
        QColor(230, 122, 8),    // orange
        QColor(119, 9, 144),    // purple
        QColor(63, 208, 142),   // green
        QColor(255, 246, 112),  // yellow
        QColor(176, 13, 4),     // red
    };
    return colour >= 1 && colour <= 6 ? kColours[colour - 1] : palette::kShapeBall;
}

bool WantsDarkInk(const QColor& ball)
{
    const qreal luma = 0.299 * ball.redF() + 0.587 * ball.greenF() + 0.114 * ball.blueF();
    return luma > 0.55;
}

QColor Mix(const QColor& from, const QColor& to, qreal share)
{
    const qreal keep = 1.0 - share;
    return QColor::fromRgbF(float(from.redF() * keep + to.redF() * share),
                            float(from.greenF() * keep + to.greenF() * share),
                            float(from.blueF() * keep + to.blueF() * share),
                            float(from.alphaF() * keep + to.alphaF() * share));
}

QColor WithAlpha(const QColor& colour, int alpha)
{
    QColor result = colour;
    result.setAlpha(alpha);
    return result;
}

}  // namespace art
