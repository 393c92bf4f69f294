#pragma once
// A vertical frame piece beside a row: 0 open board, 1 closed, 2 an open board's current row.

#include "CSpriteCell.h"

class CSideVert : public CSpriteCell {
    Q_OBJECT
public:
    explicit CSideVert(QWidget* parent = nullptr);

    int32_t m_nStretch = 0;   // the tray's pieces copy a taller strip, of which the control shows the top

protected:
    sprites::Cell Cell() const override { return sprites::SideVertCell(m_nValue); }
    sprites::Size Copied() const override { return sprites::SideVertSize(m_nStretch); }
};
