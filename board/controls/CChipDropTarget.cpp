#include "CChipDropTarget.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMimeData>

#include "CGuessChip.h"
#include "ChipSlot.h"
#include "ChipText.h"
#include "VantelEvents.h"

bool CChipDropTarget::ChipFits(int chip, int board)
{
    if (board == board::kShapes) return chipvalue::IsShape(chip);
    if (board == board::kColors) return chipvalue::IsColor(chip);
    return false;
}

int CChipDropTarget::DraggedChip(const QMimeData* data)
{
    if (data == nullptr || !data->hasText()) return 0;
    const QString text = data->text();
    // Checked before converting, so a huge text costs nothing.
    if (static_cast<std::size_t>(text.size()) > chiptext::kMaxLength) return 0;
    return chiptext::Parse(text.toStdString());
}

Qt::DropAction CChipDropTarget::OnDragOver(const ChipSlot& slot, const QMimeData* data,
                                           Qt::DropActions offered) const
{
    const int chip = DraggedChip(data);
    if (chip == 0) return Qt::IgnoreAction;
    if (slot.m_bDropTarget != 0) {
        const bool lands = ChipFits(chip, slot.m_nBoard) && (offered & Qt::CopyAction);
        return lands ? Qt::CopyAction : Qt::IgnoreAction;
    }
    const bool ownTraySlot = slot.m_nSlotKind == slotkind::kTray && slot.m_nValue == chip;
    return ownTraySlot ? Qt::MoveAction : Qt::IgnoreAction;
}

bool CChipDropTarget::OnDrop(CGuessChip& slot, const QMimeData* data, Qt::DropAction action) const
{
    if (action != Qt::CopyAction || slot.m_bDropTarget == 0) return false;
    const int chip = DraggedChip(data);
    if (!ChipFits(chip, slot.m_nBoard)) return false;
    slot.m_nValue = chip;
    slot.update();
    QEvent news(chipvalue::IsShape(chip) ? UM_SHAPES_DROP : UM_COLORS_DROP);
    // The window hears of it however deep the slot sits in its views.
    if (QWidget* window = slot.window(); window != &slot) QCoreApplication::sendEvent(window, &news);
    return true;
}
