#include "ButtonPainter.h"

#include "Palette.h"
#include "TextPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace art {
namespace {

QPainterPath Pill(const QRectF& box, qreal inset)
{
    const QRectF face = box.adjusted(inset, inset, -inset, -inset);
    const qreal radius = 0.34 * face.height();
    QPainterPath pill;
    pill.addRoundedRect(face, radius, radius);
    return pill;
}

QLinearGradient Vertical(const QRectF& box, const QColor& top, const QColor& bottom)
{
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0.0, top);
    gradient.setColorAt(1.0, bottom);
    return gradient;
}

void DrawGlossyFace(QPainter& painter, const QRectF& box, bool pressed)
{
    const QPainterPath face = Pill(box, 1.0);
    QLinearGradient body(box.topLeft(), box.bottomLeft());
    body.setColorAt(0.0, pressed ? QColor(8, 8, 10) : QColor(84, 88, 104));
    body.setColorAt(0.5, pressed ? QColor(18, 19, 23) : QColor(36, 38, 46));
    body.setColorAt(0.52, pressed ? QColor(20, 21, 26) : QColor(22, 23, 28));
    body.setColorAt(1.0, pressed ? QColor(44, 46, 56) : QColor(12, 12, 16));
    painter.fillPath(face, body);
    const QLinearGradient rim = pressed ? Vertical(box, QColor(14, 14, 18), QColor(112, 118, 136))
                                        : Vertical(box, QColor(170, 176, 196), QColor(36, 38, 46));
    painter.strokePath(face, QPen(QBrush(rim), 1.5));
    if (pressed)
        return;
    // The glaze over the upper half of a raised button.
    const QRectF upper = box.adjusted(3.5, 2.5, -3.5, -0.5 * box.height());
    QPainterPath glaze;
    glaze.addRoundedRect(upper, 0.5 * upper.height(), 0.5 * upper.height());
    painter.fillPath(glaze, Vertical(upper, WithAlpha(Qt::white, 70), WithAlpha(Qt::white, 6)));
}

void DrawFramedFace(QPainter& painter, const QRectF& box, bool pressed)
{
    const QPainterPath face = Pill(box, 1.5);
    painter.fillPath(face, pressed ? QBrush(Vertical(box, QColor(26, 0, 0), QColor(70, 6, 6)))
                                   : QBrush(Qt::black));
    const QColor frame = pressed ? QColor(160, 20, 20) : palette::kLabelRed;
    painter.strokePath(face, QPen(frame, 2.2));
    // A faint glow just inside the frame.
    painter.save();
    painter.setClipPath(face);
    painter.strokePath(face, QPen(WithAlpha(frame, 70), 6.0));
    painter.restore();
}

QRectF CaptionArea(const QRectF& box, bool pressed)
{
    const qreal shift = pressed ? 1.0 : 0.0;
    return box.adjusted(0.3 * box.height(), 0.2 * box.height(), -0.3 * box.height(), -0.2 * box.height())
        .translated(shift, shift);
}

void DrawCaption(QPainter& painter, const QRectF& box, const ButtonLook& look)
{
    const QRectF area = CaptionArea(box, look.pressed);
    const TextPlace place = PlaceCaption(box, look.caption, look.pressed);
    DrawText(painter, area, place.baseline + 0.06 * box.height(), look.caption, place.fit,
             WithAlpha(Qt::black, 200), WithAlpha(Qt::black, 200));
    DrawText(painter, area, place.baseline, look.caption, place.fit, Mix(look.ink, Qt::white, 0.3),
             Mix(look.ink, Qt::black, 0.15));
}

}  // namespace

TextPlace PlaceCaption(const QRectF& box, const QString& caption, bool pressed)
{
    const QRectF area = CaptionArea(box, pressed);
    const TextFit fit = FitText(caption, area.size(), 0.78);
    return KeepInside(area, caption, {fit, CentredBaseline(area, fit.scale)});
}

QRectF CaptionInk(const QRectF& box, const QString& caption, bool pressed)
{
    const TextPlace place = PlaceCaption(box, caption, pressed);
    return FittedInk(CaptionArea(box, pressed), place.baseline, caption, place.fit);
}

void DrawButton(QPainter& painter, const QRectF& box, const ButtonLook& look)
{
    if (look.style == ButtonStyle::Glossy)
        DrawGlossyFace(painter, box, look.pressed);
    else
        DrawFramedFace(painter, box, look.pressed);
    DrawCaption(painter, box, look);
}

}  // namespace art
