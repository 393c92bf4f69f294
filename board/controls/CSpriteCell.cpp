#include "CSpriteCell.h"

#include <algorithm>

CSpriteCell::CSpriteCell(sprites::Size copied, QWidget* parent) : QWidget(parent), m_copied(copied)
{
    setAttribute(Qt::WA_OpaquePaintEvent);   // the copied cell covers the whole control
    resize(copied.w, copied.h);
}

QRect CSpriteCell::ShownCell() const
{
    // Of a copy taller than the control (the tray's side pieces) the control shows the top.
    const sprites::Cell cell = Cell();
    const sprites::Size copied = Copied();
    return {cell.x, cell.y, std::min(copied.w, m_copied.w), std::min(copied.h, m_copied.h)};
}

void CSpriteCell::paintEvent(QPaintEvent*)
{
    const QRect shown = ShownCell();
    PaintSpriteCell(this, m_pSprites, {shown.x(), shown.y()}, {shown.width(), shown.height()});
}
