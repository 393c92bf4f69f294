#pragma once
// The source side of a chip drag: the cursor that pictures the dragged chip while a slot would
// take it (or while the pointer is still over the chip's own tray slot), the red cross elsewhere.
// Qt chooses the drag cursor by the action the target answered, so every answer gets its cursor
// before the drag starts.

#include <QPixmap>

#include <cstdint>

class QDrag;

class CChipDropSource {
public:
    static constexpr int kNoDropCursor = 142;

    explicit CChipDropSource(int chip) : m_nChip(chip) {}

    // The cursor id for the target's answer.
    int GiveFeedback(Qt::DropAction action) const;

    // Gives the drag its cursor for every answer a target can make.
    void SetCursors(QDrag& drag) const;

    // The cursor id that pictures chip value `chip`, or the no-drop cursor for any other value.
    static int ChipCursor(int chip);

    // The cursor picture, laid out so that the pointer's hotspot falls on its top-left corner;
    // null when the art is missing, which leaves Qt's own drag cursors in place.
    static QPixmap CursorPixmap(int id);

    int32_t m_nChip;   // the value being dragged
};
