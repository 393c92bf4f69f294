#include "CSpriteSheet.h"

#include <QDir>
#include <QPainter>
#include <QWidget>

bool CSpriteSheet::Load(const QString& folder)
{
    m_sheet = QPixmap(QDir(folder).filePath(QString::fromLatin1(kFileName)));
    m_sheet2x = QPixmap();
    // The sharp twin is four times the plain sheet's size and most screens never need it, so it
    // is read when a high-DPI screen first asks for it.
    m_folder = folder;
    m_bLooked2x = m_sheet.isNull();
    return IsLoaded();
}

void CSpriteSheet::Release()
{
    m_sheet = QPixmap();
    m_sheet2x = QPixmap();
    m_bLooked2x = true;
}

const QPixmap& CSpriteSheet::Sheet2x() const
{
    if (m_bLooked2x) return m_sheet2x;
    m_bLooked2x = true;
    m_sheet2x = QPixmap(QDir(m_folder).filePath(QString::fromLatin1(kFileName2x)));
    // A high-resolution sheet that does not match the plain one would put cells in the wrong place.
    if (m_sheet2x.size() != m_sheet.size() * 2) m_sheet2x = QPixmap();
    m_sheet2x.setDevicePixelRatio(2.0);
    return m_sheet2x;
}

void CSpriteSheet::Draw(QPainter& painter, sprites::Cell cell, sprites::Size size) const
{
    const bool sharp = painter.device()->devicePixelRatioF() > 1.0 && !Sheet2x().isNull();
    const QPixmap& source = sharp ? Sheet2x() : m_sheet;
    const int scale = sharp ? 2 : 1;
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    // A cell reaching past the sheet (a small sheet, or a value the game never writes) copies
    // only what is there; the rest stays black rather than showing stale pixels.
    if (!m_sheet.rect().contains(QRect(cell.x, cell.y, size.w, size.h)))
        painter.fillRect(QRect(0, 0, size.w, size.h), Qt::black);
    painter.drawPixmap(QRectF(0, 0, size.w, size.h), source,
                       QRectF(cell.x * scale, cell.y * scale, size.w * scale, size.h * scale));
}

void PaintSpriteCell(QWidget* widget, const CSpriteSheet* sheet, sprites::Cell cell, sprites::Size size)
{
    QPainter painter(widget);
    if (sheet == nullptr || !sheet->IsLoaded()) {
        painter.fillRect(widget->rect(), Qt::black);
        return;
    }
    sheet->Draw(painter, cell, size);
}
