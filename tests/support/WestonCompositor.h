#pragma once
// weston, a real Wayland compositor, on its X11 backend: its output is a window on an X display,
// so the X pointer that xdotool moves is the compositor's own pointer. No screen lock; no panel
// unless asked for, so the whole output is the client's.

#include <QProcess>
#include <QSize>
#include <QString>

class WestonCompositor {
public:
    struct Output {
        Output(QSize logical, int outputScale = 1, bool withPanel = false)
            : size(logical), scale(outputScale), panel(withPanel) {}
        QSize size;          // in the output's own (logical) pixels
        int scale;           // device pixels per logical one
        bool panel;          // weston's own panel along the top, as a player's weston has it
        QSize Pixels() const { return size * scale; }
    };

    ~WestonCompositor();

    // What it needs (weston, Qt's Wayland plug-in), or an empty string.
    static QString Missing();

    // Starts it on X display `display` with the output `output`, its socket and notes in `folder`
    // (the clients' XDG_RUNTIME_DIR); false with a reason in `error` when it does not come up.
    bool Start(const QString& display, const QString& folder, const Output& output, QString* error);

    // The socket's name, for WAYLAND_DISPLAY.
    static QString Socket() { return QStringLiteral("wayland-vantel"); }

private:
    QProcess m_process;
};
