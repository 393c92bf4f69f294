#pragma once
// A chip slot: a guess slot, a code slot or a tray slot of either board. It paints the chip its
// value names and carries the slot properties the game writes.

#include <QWidget>

#include "CSpriteSheet.h"
#include "ChipSlot.h"

class CGuessChip : public QWidget, public ChipSlot {
    Q_OBJECT
public:
    explicit CGuessChip(QWidget* parent = nullptr);

    const CSpriteSheet* m_pSprites = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
};
