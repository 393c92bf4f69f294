#include "CGuessChip.h"

CGuessChip::CGuessChip(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);   // the copied cell covers the whole control
    setFixedSize(sprites::kChipSize.w, sprites::kChipSize.h);
}

void CGuessChip::paintEvent(QPaintEvent*)
{
    PaintSpriteCell(this, m_pSprites, sprites::GuessChipCell(m_nValue), sprites::kChipSize);
}
