#include "CursorProbe.h"

#ifdef VANTEL_E2E_XFIXES

#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

namespace {

// One connection per question: the probe is rare and keeps no state.
class Connection {
public:
    explicit Connection(const QString& display) : m_d(XOpenDisplay(display.toLocal8Bit().constData())) {}
    ~Connection()
    {
        if (m_d) XCloseDisplay(m_d);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    Display* get() const { return m_d; }

private:
    Display* m_d;
};

bool HasXfixes(Display* d)
{
    int event = 0;
    int error = 0;
    return d && XFixesQueryExtension(d, &event, &error);
}

}  // namespace

bool CanReadCursor(const QString& display)
{
    const Connection c(display);
    return HasXfixes(c.get());
}

CursorShot ReadCursor(const QString& display)
{
    const Connection c(display);
    CursorShot shot;
    if (!HasXfixes(c.get())) return shot;
    XFixesCursorImage* cursor = XFixesGetCursorImage(c.get());
    if (!cursor) return shot;
    shot.image = QImage(cursor->width, cursor->height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < cursor->height; ++y)
        for (int x = 0; x < cursor->width; ++x)
            shot.image.setPixel(x, y, static_cast<QRgb>(cursor->pixels[y * cursor->width + x]));
    shot.hotspot = QPoint(cursor->xhot, cursor->yhot);
    XFree(cursor);
    return shot;
}

#else

bool CanReadCursor(const QString&) { return false; }
CursorShot ReadCursor(const QString&) { return {}; }

#endif
