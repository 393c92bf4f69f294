#include "CChipDropSource.h"

#include <QDrag>
#include <QPainter>

#include "ArtPixmap.h"
#include "Chips.h"

namespace {

// Cursor ids by chip value 1 to 12.
constexpr int kChipCursors[12] = {147, 138, 139, 141, 146, 137, 136, 143, 144, 140, 148, 145};
constexpr int kCursorSize = 32;

QString CursorArt(int id)
{
    return QStringLiteral("cursor_%1").arg(id);
}

}  // namespace

int CChipDropSource::ChipCursor(int chip)
{
    return chipvalue::IsChip(chip) ? kChipCursors[chip - 1] : kNoDropCursor;
}

int CChipDropSource::GiveFeedback(Qt::DropAction action) const
{
    const bool willLand = action == Qt::CopyAction || action == Qt::MoveAction;
    return willLand ? ChipCursor(m_nChip) : kNoDropCursor;
}

QPixmap CChipDropSource::CursorPixmap(int id, qreal devicePixelRatio)
{
    const QPixmap art = ArtPixmap(CursorArt(id), devicePixelRatio);
    if (art.isNull()) return art;
    // A pixmap cursor has its hotspot at its centre; centring a canvas twice the size on the
    // picture's top-left corner puts the hotspot there, so the chip hangs below and right.
    const qreal ratio = art.devicePixelRatio();
    const int side = qRound(2 * kCursorSize * ratio);
    QPixmap canvas(side, side);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.drawPixmap(QRect(kCursorSize, kCursorSize, kCursorSize, kCursorSize), art);
    painter.end();
    return canvas;
}

void CChipDropSource::SetCursors(QDrag& drag, qreal devicePixelRatio) const
{
    for (Qt::DropAction a : {Qt::CopyAction, Qt::MoveAction, Qt::LinkAction, Qt::IgnoreAction})
        drag.setDragCursor(CursorPixmap(GiveFeedback(a), devicePixelRatio), a);
}

bool CChipDropSource::ShowsDragCursors(const QString& platformName)
{
    return platformName == QLatin1String("xcb") || platformName == QLatin1String("windows");
}

void CChipDropSource::SetPicture(QDrag& drag, const QPixmap& chip, QPoint grabbed, const QString& platformName)
{
    if (ShowsDragCursors(platformName) || chip.isNull()) return;   // else the platform's own drag look
    drag.setPixmap(chip);
    drag.setHotSpot(grabbed);
}
