#include "CCenterChip.h"

CCenterChip::CCenterChip(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);   // the copied cell covers the whole control
    setFixedSize(sprites::kPoolSize.w, sprites::kPoolSize.h);
}

void CCenterChip::paintEvent(QPaintEvent*)
{
    PaintSpriteCell(this, m_pSprites, sprites::CenterChipCell(m_nValue), sprites::kPoolSize);
}
