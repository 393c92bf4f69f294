#include "CNumbers.h"

CNumbers::CNumbers(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);   // the copied cell covers the whole control
    setFixedSize(sprites::kDigitSize.w, sprites::kDigitSize.h);
}

void CNumbers::paintEvent(QPaintEvent*)
{
    PaintSpriteCell(this, m_pSprites, sprites::NumbersCell(m_nValue), sprites::kDigitSize);
}
