#pragma once
// Push-button images, up and down. The board's buttons are glossy dark pills with coloured
// captions; the High Scores buttons are captions in a red frame on black. A pressed button sinks:
// its face darkens, its shading turns over and its caption moves down and right by a pixel.

#include <QColor>
#include <QString>

#include "TextPainter.h"

class QPainter;
class QRectF;

namespace art {

enum class ButtonStyle { Glossy, Framed };

struct ButtonLook {
    ButtonStyle style;
    QString caption;
    QColor ink;
    bool pressed;
};

void DrawButton(QPainter& painter, const QRectF& box, const ButtonLook& look);

// Where a button's caption goes, and the ink it covers.
TextPlace PlaceCaption(const QRectF& box, const QString& caption, bool pressed);
QRectF CaptionInk(const QRectF& box, const QString& caption, bool pressed);

}  // namespace art
