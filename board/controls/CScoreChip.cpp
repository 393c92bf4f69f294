#include "CScoreChip.h"

#include "Chips.h"

CScoreChip::CScoreChip(QWidget* parent) : CSpriteCell(sprites::kPegSize, parent)
{
    m_nValue = peg::kNoMatch;   // until the game writes otherwise
}
