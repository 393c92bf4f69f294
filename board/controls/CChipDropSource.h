#pragma once
// The source side of a chip drag: the cursor that pictures the dragged chip while a slot would
// take it (or while the pointer is still over the chip's own tray slot), the red cross elsewhere.
// Qt chooses the drag cursor by the action the target answered, so every answer gets its cursor
// before the drag starts. Where the platform shows no drag cursors (Wayland), the chip travels
// as the drag's picture instead: as large as on the board, held where the pointer took it.

#include <QPixmap>
#include <QPoint>
#include <QString>

#include <cstdint>

class QDrag;

class CChipDropSource {
public:
    static constexpr int kNoDropCursor = 142;

    explicit CChipDropSource(int chip) : m_nChip(chip) {}

    // The cursor id for the target's answer.
    int GiveFeedback(Qt::DropAction action) const;

    // Gives the drag its cursor for every answer a target can make, drawn for a screen of
    // `devicePixelRatio`.
    void SetCursors(QDrag& drag, qreal devicePixelRatio = 1.0) const;
    // Gives the drag `chip`, the chip as its slot shows it, held at `grabbed` (where the pointer
    // pressed on the slot), where the platform `platformName` would not show the cursors;
    // elsewhere the cursor already pictures the chip and a second one would follow it.
    static void SetPicture(QDrag& drag, const QPixmap& chip, QPoint grabbed, const QString& platformName);

    // The platform shows a drag's cursors.
    static bool ShowsDragCursors(const QString& platformName);

    // The cursor id that pictures chip value `chip`, or the no-drop cursor for any other value.
    static int ChipCursor(int chip);

    // The cursor picture, laid out so that the pointer's hotspot falls on its top-left corner;
    // above ratio 1 from the sharp art, so the chip keeps its size beside the board's chips.
    // Null when the art is missing, which leaves Qt's own drag cursors in place.
    static QPixmap CursorPixmap(int id, qreal devicePixelRatio = 1.0);

    int32_t m_nChip;   // the value being dragged
};
