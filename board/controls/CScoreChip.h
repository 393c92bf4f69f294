#pragma once
// A feedback peg beside a guess slot.

#include "CSpriteCell.h"

class CScoreChip : public CSpriteCell {
    Q_OBJECT
public:
    explicit CScoreChip(QWidget* parent = nullptr);

protected:
    sprites::Cell Cell() const override { return sprites::ScoreChipCell(m_nValue); }
};
