#include "CBitmapButton.h"

#include <QPainter>

#include "ArtPixmap.h"

CBitmapButton::CBitmapButton(QWidget* parent) : QAbstractButton(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::TabFocus);
}

bool CBitmapButton::AutoLoad(const QString& caption)
{
    setText(caption);
    setAccessibleName(caption);
    m_up = ArtPixmap(caption + QLatin1Char('U'), 1.0);
    m_down = ArtPixmap(caption + QLatin1Char('D'), 1.0);
    m_up2x = m_down2x = QPixmap();
    m_bLookedSharp = false;
    if (!m_up.isNull()) setFixedSize(m_up.deviceIndependentSize().toSize());
    return !m_up.isNull() && !m_down.isNull();
}

QSize CBitmapButton::sizeHint() const
{
    return m_up.isNull() ? QSize(64, 24) : m_up.deviceIndependentSize().toSize();
}

// The sharp twins are read when a high-DPI screen first shows the button; most screens never do.
const QPixmap& CBitmapButton::Image(bool down, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1.0 && !m_bLookedSharp) {
        m_bLookedSharp = true;
        m_up2x = ArtPixmap(text() + QLatin1Char('U'), devicePixelRatio);
        m_down2x = ArtPixmap(text() + QLatin1Char('D'), devicePixelRatio);
    }
    const QPixmap& sharp = down ? m_down2x : m_up2x;
    if (devicePixelRatio > 1.0 && sharp.devicePixelRatio() > 1.0) return sharp;
    return down ? m_down : m_up;
}

void CBitmapButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPixmap& image = Image(isDown() && !m_down.isNull(), painter.device()->devicePixelRatioF());
    if (image.isNull()) {
        painter.fillRect(rect(), Qt::black);
        painter.setPen(Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, text());
        return;
    }
    painter.drawPixmap(rect(), image);
}
