#pragma once
// One cell of the centre grid: chip i available (value i) or eliminated (i + 36).

#include "CSpriteCell.h"

class CCenterChip : public CSpriteCell {
    Q_OBJECT
public:
    explicit CCenterChip(QWidget* parent = nullptr);

protected:
    sprites::Cell Cell() const override { return sprites::CenterChipCell(m_nValue); }
};
