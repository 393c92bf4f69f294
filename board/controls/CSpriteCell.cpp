#include "CSpriteCell.h"

CSpriteCell::CSpriteCell(sprites::Size copied, QWidget* parent) : QWidget(parent), m_copied(copied)
{
    setAttribute(Qt::WA_OpaquePaintEvent);   // the copied cell covers the whole control
    resize(copied.w, copied.h);
}

void CSpriteCell::paintEvent(QPaintEvent*)
{
    PaintSpriteCell(this, m_pSprites, Cell(), Copied());
}
