#include "ScaledLayout.h"

#include <QLabel>
#include <QScreen>

#include <algorithm>
#include <cmath>

#include "ArtPixmap.h"

namespace boardscale {

QRect Scaled(const QRect& r, double scale)
{
    if (scale == 1.0) return r;
    const auto at = [scale](int v) { return static_cast<int>(std::lround(v * scale)); };
    const int left = at(r.x()), top = at(r.y());
    // Never narrower than a pixel: a control of any size stays there to be seen and clicked.
    return QRect(left, top, std::max(1, at(r.x() + r.width()) - left), std::max(1, at(r.y() + r.height()) - top));
}

double ScaleToFit(QSize area, QSize natural)
{
    if (natural.isEmpty()) return 1.0;
    const double s = std::min(static_cast<double>(area.width()) / natural.width(),
                              static_cast<double>(area.height()) / natural.height());
    return std::isfinite(s) ? std::max(kMinScale, s) : kMinScale;
}

double ScaleForScreen(const QWidget& window, QSize natural)
{
    const QScreen* screen = window.screen();
    if (screen == nullptr) return 1.0;
    // Until a window is first shown the window manager has not said how large its frame is: room
    // for a title bar is assumed.
    const QSize frame = window.isVisible() ? window.frameGeometry().size() - window.size() : QSize(0, 40);
    return std::min(1.0, ScaleToFit(screen->availableGeometry().size() - frame, natural));
}

}  // namespace boardscale

void ScaledLayout::Add(QWidget* control, const QRect& base)
{
    m_items.push_back({control, base, QString()});
}

void ScaledLayout::AddPicture(QLabel* picture, const QRect& base, const QString& art)
{
    m_items.push_back({picture, base, art});
}

QRect ScaledLayout::Bounds() const
{
    QRect all;
    for (const Item& i : m_items) all |= i.base;
    return all;
}

void ScaledLayout::Apply(double scale, QPoint origin)
{
    for (const Item& i : m_items) {
        const QRect place = boardscale::Scaled(i.base, scale).translated(-origin);
        if (!i.art.isEmpty() && place.size() != i.control->size()) Redraw(i, place.size());
        i.control->setGeometry(place);
    }
}

void ScaledLayout::RedrawPictures()
{
    for (const Item& i : m_items)
        if (!i.art.isEmpty()) Redraw(i, i.control->size());
}

void ScaledLayout::Redraw(const Item& i, QSize size)
{
    auto* picture = static_cast<QLabel*>(i.control);
    picture->setPixmap(ArtPixmapSized(i.art, size, picture->devicePixelRatioF()));
}
