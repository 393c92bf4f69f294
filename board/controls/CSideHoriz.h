#pragma once
// A horizontal frame bar above or below a board's code row and tray: 0 open, 1 closed.

#include "CSpriteCell.h"

class CSideHoriz : public CSpriteCell {
    Q_OBJECT
public:
    explicit CSideHoriz(QWidget* parent = nullptr);

protected:
    sprites::Cell Cell() const override { return sprites::SideHorizCell(m_nValue); }
};
