#include "CSideVert.h"

CSideVert::CSideVert(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);   // the copied cell covers the whole control
    setFixedSize(sprites::kSideWidth, sprites::kSideHeight);
}

void CSideVert::paintEvent(QPaintEvent*)
{
    PaintSpriteCell(this, m_pSprites, sprites::SideVertCell(m_nValue), sprites::SideVertSize(m_nStretch));
}
