#include "CBitmapButton.h"

#include <QPainter>

CBitmapButton::CBitmapButton(QWidget* parent) : QAbstractButton(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::TabFocus);
}

bool CBitmapButton::AutoLoad(const QString& caption)
{
    setText(caption);
    setAccessibleName(caption);
    m_up = QPixmap(QStringLiteral(":/art/%1U.png").arg(caption));
    m_down = QPixmap(QStringLiteral(":/art/%1D.png").arg(caption));
    if (!m_up.isNull()) setFixedSize(m_up.deviceIndependentSize().toSize());
    return !m_up.isNull() && !m_down.isNull();
}

QSize CBitmapButton::sizeHint() const
{
    return m_up.isNull() ? QSize(64, 24) : m_up.deviceIndependentSize().toSize();
}

void CBitmapButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPixmap& image = isDown() && !m_down.isNull() ? m_down : m_up;
    if (image.isNull()) {
        painter.fillRect(rect(), Qt::black);
        painter.setPen(Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, text());
        return;
    }
    painter.drawPixmap(rect(), image);
}
