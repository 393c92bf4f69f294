#include "ScaledLayout.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QWidget>
#include <QWindow>

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

QSize FrameAround(const QWidget& window)
{
    // Where Qt draws the decorations itself (Wayland) the window knows its margins without a move.
    const QWindow* handle = window.windowHandle();
    if (handle != nullptr && handle->handle() != nullptr) {
        const QMargins m = handle->frameMargins();
        if (!m.isNull()) return {m.left() + m.right(), m.top() + m.bottom()};
    }
    // Until a window is first shown the window manager has not said how large its frame is: room
    // for a title bar is assumed.
    if (!window.isVisible()) return {0, 40};
    // While a new pixel ratio takes hold, the frame's last known size can lag behind the window's
    // and come out negative: no frame is better than a room larger than the screen.
    return (window.frameGeometry().size() - window.size()).expandedTo(QSize(0, 0));
}

QSize KeepChosen(QSize chosen, QSize fitted, QSize room, QSize smallest)
{
    const bool fits = chosen.isValid() && chosen.width() <= room.width() && chosen.height() <= room.height();
    const bool playable = chosen.width() >= smallest.width() && chosen.height() >= smallest.height();
    return fits && playable ? chosen : fitted;
}

QPoint InsideArea(const QRect& frame, const QRect& area)
{
    const auto inside = [](int at, int length, int from, int room) {
        return std::max(from, std::min(at, from + room - length));
    };
    return {inside(frame.x(), frame.width(), area.x(), area.width()),
            inside(frame.y(), frame.height(), area.y(), area.height())};
}

bool PositionsKnown()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QRect FreeArea(const QScreen& screen)
{
    const QRect free = screen.availableGeometry();
    if (PositionsKnown() || free != screen.geometry()) return free;
    return free.adjusted(0, kPanelRoom, 0, 0);
}

bool FitsScreen(const QWidget& window)
{
    if (window.screen() == nullptr) return true;
    const QRect free = FreeArea(*window.screen());
    const QSize whole = window.size() + FrameAround(window);
    if (whole.width() > free.width() || whole.height() > free.height()) return false;
    return !PositionsKnown() || free.contains(window.frameGeometry());
}

void MoveInside(QWidget& window)
{
    if (!window.isVisible() || window.screen() == nullptr || !PositionsKnown()) return;
    const QRect frame = window.frameGeometry();
    // Mid-way between two screens Qt can still name the one the window is leaving, or already the
    // one a stale position points to: a window mostly on another screen is left where it is, or it
    // would be pulled across and the screens would trade it back and forth.
    const QScreen* under = QGuiApplication::screenAt(frame.center());
    if (under != nullptr && under != window.screen()) return;
    const QPoint inside = InsideArea(frame, window.screen()->availableGeometry());
    if (inside != frame.topLeft()) window.move(inside);
}

double ScaleForScreen(const QWidget& window, QSize natural)
{
    const QScreen* screen = window.screen();
    if (screen == nullptr) return 1.0;
    return std::min(1.0, ScaleToFit(FreeArea(*screen).size() - FrameAround(window), natural));
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
