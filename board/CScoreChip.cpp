#include "CScoreChip.h"

CScoreChip::CScoreChip(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);   // the copied cell covers the whole control
    setFixedSize(sprites::kPegSize.w, sprites::kPegSize.h);
}

void CScoreChip::paintEvent(QPaintEvent*)
{
    PaintSpriteCell(this, m_pSprites, sprites::ScoreChipCell(m_nValue), sprites::kPegSize);
}
