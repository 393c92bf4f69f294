#include "CBitmapButton.h"

#include <QPainter>

#include <algorithm>

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
    m_shownUp = m_shownDown = QPixmap();
    if (!m_up.isNull()) resize(m_up.size());
    return !m_up.isNull() && !m_down.isNull();
}

QSize CBitmapButton::sizeHint() const
{
    return m_up.isNull() ? QSize(64, 24) : m_up.size();
}

// Made when the button is first shown at a new size or on a denser screen; most never are.
const QPixmap& CBitmapButton::Image(bool down, qreal devicePixelRatio)
{
    const QPixmap& plain = down ? m_down : m_up;
    if (size() == plain.size() && devicePixelRatio == 1.0) return plain;
    QPixmap& shown = down ? m_shownDown : m_shownUp;
    if (shown.isNull() || shown.devicePixelRatio() != devicePixelRatio ||
        shown.deviceIndependentSize().toSize() != size()) {
        const QString name = text() + QLatin1Char(down ? 'D' : 'U');
        shown = ArtPixmapSized(name, size(), devicePixelRatio);
    }
    return shown.isNull() ? plain : shown;
}

void CBitmapButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const bool down = isDown() && !m_down.isNull();
    const QPixmap& image = m_up.isNull() ? m_up : Image(down, painter.device()->devicePixelRatioF());
    if (image.isNull()) {
        painter.fillRect(rect(), Qt::black);
        painter.setPen(Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, text());
    } else {
        painter.drawPixmap(rect(), image);
    }
    if (ShowsFocus()) PaintFocus(painter);
}

// Only once the keyboard has moved the focus in this window: a player using the mouse alone never
// sees it, though Qt gives some button the focus whenever the window becomes active.
bool CBitmapButton::ShowsFocus() const
{
    return hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

// A white ring inside the button's own frame, scaled with the button.
void CBitmapButton::PaintFocus(QPainter& painter) const
{
    const qreal width = std::max(2.0, height() / 14.0);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, width));
    painter.setBrush(Qt::NoBrush);
    const qreal inset = width * 2;
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), width * 2, width * 2);
}
