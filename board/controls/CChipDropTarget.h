#pragma once
// The target side of a chip drag, one per chip slot: decides whether the dragged chip may land
// on the slot, and lands it. The slot widget hands Qt's drag events to it.

#include <Qt>

class CGuessChip;
class QMimeData;
struct ChipSlot;

class CChipDropTarget {
public:
    // Entering a slot and moving over it answer alike: copy where the chip would land; move over
    // a tray slot holding the dragged chip, its own slot, so the chip's cursor stays while a
    // release there lands nothing; ignore everywhere else.
    Qt::DropAction OnDragEnter(const ChipSlot& slot, const QMimeData* data, Qt::DropActions offered) const
    {
        return OnDragOver(slot, data, offered);
    }
    Qt::DropAction OnDragOver(const ChipSlot& slot, const QMimeData* data, Qt::DropActions offered) const;

    // Lands a copied chip on an open slot of the current row, repaints the slot in the next paint
    // cycle and tells the window, which has handled the news before this returns. False when
    // the drop is refused; the slot and the game are then untouched.
    bool OnDrop(CGuessChip& slot, const QMimeData* data, Qt::DropAction action) const;

    // The chip value the dragged data names, or 0 when it names none.
    static int DraggedChip(const QMimeData* data);

    // Shapes belong on the SHAPES board, colours on the COLORS board; nothing else is a chip.
    static bool ChipFits(int chip, int board);
};
