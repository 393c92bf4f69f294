#include "CSideHoriz.h"

CSideHoriz::CSideHoriz(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);   // the copied cell covers the whole control
    setFixedSize(sprites::kBarSize.w, sprites::kBarSize.h);
}

void CSideHoriz::paintEvent(QPaintEvent*)
{
    PaintSpriteCell(this, m_pSprites, sprites::SideHorizCell(m_nValue), sprites::kBarSize);
}
