#include "FocusRing.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <array>

#include "CSpriteSheet.h"

namespace {

constexpr int kMarkerStyle = 2;   // the side pieces' style for an open board's current row
constexpr int kTube = sprites::kSideWidth;

// The tube's colours across its width, read from the middle of the marker's side piece.
std::array<QColor, kTube> TubeColours(const CSpriteSheet* sheet)
{
    std::array<QColor, kTube> tube = {QColor(216, 165, 0), QColor(255, 216, 0), QColor(255, 250, 199),
                                      QColor(255, 216, 0), QColor(216, 165, 0)};
    if (sheet == nullptr || !sheet->IsLoaded()) return tube;
    const sprites::Cell side = sprites::SideVertCell(kMarkerStyle);
    const QImage across = sheet->Pixmap().copy(side.x, side.y + sprites::kSideHeight / 2, kTube, 1).toImage();
    if (across.width() != kTube) return tube;
    for (int i = 0; i < kTube; ++i) tube[i] = across.pixelColor(i, 0);
    return tube;
}

}  // namespace

void DrawFocusRing(QPainter& painter, QSize shown, const CSpriteSheet* sheet)
{
    const std::array<QColor, kTube> tube = TubeColours(sheet);
    // One pixel of the tube per pixel of the slot at scale 1, each a line around the slot's edge;
    // the rounded corners stay on the black outside the chip.
    const qreal unit = shown.width() / static_cast<qreal>(sprites::kChipSize.w);
    const QRectF outer(QPointF(0, 0), QSizeF(shown));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < kTube; ++i) {
        const qreal inset = (i + 0.5) * unit;
        painter.setPen(QPen(tube[i], unit));
        const qreal radius = (18 - i) * unit;
        painter.drawRoundedRect(outer.adjusted(inset, inset, -inset, -inset), radius, radius);
    }
}
