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

// How a text is fitted into a box: its scale relative to a 100-pixel font, and how far its letters
// are narrowed (1: the face as drawn).
struct TextFit {
    qreal scale;
    qreal narrow;
};

// The fit of `sample` in `box` with its capitals no taller than `capShare` of the box height. A
// text too wide for that is first drawn smaller, down to the share the longest English titles take,
// then narrowed, down to kNarrowest, and only then smaller again: longer words in other languages
// keep the height of the English ones as far as a condensed face allows.
TextFit FitText(const QString& sample, const QSizeF& box, qreal capShare);
inline constexpr qreal kShrinkBeforeNarrowing = 0.85;
inline constexpr qreal kNarrowest = 0.8;

// The ink of `text` drawn with `fit`, centred horizontally on `box`, on `baseline`.
QRectF FittedInk(const QRectF& box, qreal baseline, const QString& text, const TextFit& fit);

// The baseline that centres capitals drawn at `scale` vertically in `box`.
qreal CentredBaseline(const QRectF& box, qreal scale);

// Fills `text` at `scale` with its ink centred horizontally on `box`, on `baseline`, shaded from
// `top` at the top of the letters to `bottom` at their foot.
void DrawText(QPainter& painter, const QRectF& box, qreal baseline, const QString& text, const TextFit& fit,
              const QColor& top, const QColor& bottom);

// Where a text goes: its fit and its baseline.
struct TextPlace {
    TextFit fit;
    qreal baseline;
};

// `place` moved, and made smaller if need be, so that the ink of `text` stays inside `box` top to
// bottom: unchanged for a text of capitals alone.
TextPlace KeepInside(const QRectF& box, const QString& text, const TextPlace& place);

// Where DrawLabel puts `text` in `box`.
TextPlace PlaceLabel(const QRectF& box, const QString& text);

// A one-line label: `text` as large as fits `box`, centred, shaded from `top` to `bottom`.
void DrawLabel(QPainter& painter, const QRectF& box, const QString& text, const QColor& top,
               const QColor& bottom);

}  // namespace art
