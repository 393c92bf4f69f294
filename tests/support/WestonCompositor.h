#pragma once
// weston, a real Wayland compositor, on its X11 backend: its output is a window on an X display,
// so the X pointer that xdotool moves is the compositor's own pointer. No panel and no screen
// lock, so the whole output is the client's.

#include <QProcess>
#include <QSize>
#include <QString>

class WestonCompositor {
public:
    ~WestonCompositor();

    // What it needs (weston, Qt's Wayland plug-in), or an empty string.
    static QString Missing();

    // Starts it on X display `display` with an output of `output` pixels, its socket and notes in
    // `folder` (the clients' XDG_RUNTIME_DIR); false with a reason in `error` when it does not
    // come up.
    bool Start(const QString& display, const QString& folder, QSize output, QString* error);

    // The socket's name, for WAYLAND_DISPLAY.
    static QString Socket() { return QStringLiteral("wayland-vantel"); }

private:
    QProcess m_process;
};
