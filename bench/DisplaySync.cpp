#include "DisplaySync.h"

#include <QGuiApplication>

#if defined(VANTEL_BENCH_XCB)
#include <xcb/xcb.h>

#include <cstdlib>
#endif

void SyncWithDisplay()
{
#if defined(VANTEL_BENCH_XCB)
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) return;
    xcb_connection_t* c = x11->connection();
    // A round trip: the server answers only after every earlier request is done.
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
#endif
}
