#pragma once
// A chip slot: a guess slot, a code slot or a tray slot of either board. It paints the chip its
// value names, carries the slot properties the game writes, and is both the source and the
// target of chip drags as those properties allow.

#include <QBasicTimer>
#include <QPoint>
#include <QPixmap>
#include <QWidget>

#include <memory>

#include "CChipDropTarget.h"
#include "CSpriteSheet.h"
#include "ChipSlot.h"

class QMimeData;

class CGuessChip : public QWidget, public ChipSlot {
    Q_OBJECT
public:
    explicit CGuessChip(QWidget* parent = nullptr);

    const CSpriteSheet* m_pSprites = nullptr;
    CChipDropTarget m_dropTarget;

    // A drag may start from here: the slot is a drag source holding a chip of its own board.
    // Empty slots, hidden code chips, chips and slots out of play never start one.
    bool MayStartDrag() const;
    // What a drag from here carries: the chip value as plain text; null when no drag may start.
    std::unique_ptr<QMimeData> CreateDragData() const;
    // A press is waiting for the pointer to move far enough, or for the drag delay to pass.
    bool IsDragPending() const { return m_bPressPending; }

    // Lands the chip of `source` here as if it had been dragged over and dropped: the source must
    // be able to start a drag and this slot must take the drop. False when either refuses.
    bool TakeChipFrom(const CGuessChip& source);

    // The keyboard's place on the board: a ring is drawn over the chip while it is set.
    void SetFocusMark(bool on);
    bool HasFocusMark() const { return m_bFocusMark; }

Q_SIGNALS:
    // Pressed and let go without moving the drag distance, on a chip a drag could start from:
    // a click, or a tap on a touchscreen.
    void Clicked(CGuessChip* chip);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void StartDrag();
    void EndPress();
    QPixmap ChipPicture() const;

    bool m_bPressPending = false;
    bool m_bFocusMark = false;
    QPoint m_pressPos;
    QBasicTimer m_dragDelay;
};
