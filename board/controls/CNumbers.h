#pragma once
// One digit of a score: 10 * style + digit, or 30 for a blank cell.

#include "CSpriteCell.h"

class CNumbers : public CSpriteCell {
    Q_OBJECT
public:
    explicit CNumbers(QWidget* parent = nullptr);

protected:
    sprites::Cell Cell() const override { return sprites::NumbersCell(m_nValue); }
};
