#pragma once
// Text in the game's bold face, drawn from the font's outlines so that it looks the same at every
// scale, fitted into a box and centred on it.

#include <QColor>
#include <QString>

class QPainter;
class QRectF;
class QSizeF;

namespace art {

// Registers the face from `fontFile`; without it the art falls back to the system's bold sans.
bool LoadGameFont(const QString& fontFile);

// The largest scale, relative to a 100-pixel font, at which `sample` fits `box` with its capitals
// no taller than `capShare` of the box height.
qreal FitScale(const QString& sample, const QSizeF& box, qreal capShare);

// The baseline that centres capitals drawn at `scale` vertically in `box`.
qreal CentredBaseline(const QRectF& box, qreal scale);

// Fills `text` at `scale` with its ink centred horizontally on `box`, on `baseline`, shaded from
// `top` at the top of the letters to `bottom` at their foot.
void DrawText(QPainter& painter, const QRectF& box, qreal baseline, const QString& text, qreal scale,
              const QColor& top, const QColor& bottom);

// A one-line label: `text` as large as fits `box`, centred, shaded from `top` to `bottom`.
void DrawLabel(QPainter& painter, const QRectF& box, const QString& text, const QColor& top,
               const QColor& bottom);

}  // namespace art
