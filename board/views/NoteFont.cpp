#include "NoteFont.h"

#include <QFontMetrics>

#include <algorithm>

QFont NoteFont(const QSize& place, const QString& text)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    int pixels = std::max(1, place.height() * 2 / 3);
    font.setPixelSize(pixels);
    while (pixels > 1 && QFontMetrics(font).horizontalAdvance(text) > place.width())
        font.setPixelSize(--pixels);
    return font;
}
