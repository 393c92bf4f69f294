#pragma once
// A private X display (Xvfb, or Xorg with its dummy driver) with the real game running on it, driven
// through xdotool and read back with ImageMagick's import. Every wait polls with a deadline; nothing
// sleeps blindly.

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>

#include "WestonCompositor.h"

// Polls `done` until it holds or `timeoutMs` has passed.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs);

class XSession {
public:
    XSession();
    ~XSession();

    // The tools this needs, or an empty string when all are there.
    static QString MissingTools();

    // Starts the server with a screen of `screen` pixels and the program at `program` with a fresh
    // home folder; false with a reason in `error` when either does not come up.
    bool Start(const QString& program, QString* error, QSize screen = QSize(1920, 1080));
    // The same with a Wayland compositor (weston) between: weston's output fills the X screen, and
    // the game is its Wayland client. Window coordinates are then the output's device pixels, and
    // a grab shows the whole output.
    bool StartOnWayland(const QString& program, QString* error, const WestonCompositor::Output& output);

    // The two halves of Start(), for a test that sets the display up between them.
    bool StartServer(QString* error, QSize screen);
    // Instead of StartServer, Xorg with its dummy video driver and one RandR output per
    // rectangle (see DummyXorg), as a player's machine has them.
    bool StartXorg(QString* error, const QList<QRect>& outputs);
    bool StartProgram(const QString& program, QString* error);
    // Sets `name` in the game's environment, over the session's own settings.
    void SetProgramEnvironment(const QString& name, const QString& value) { m_extraEnv.insert(name, value); }

    QString Display() const { return m_display; }
    QString Home() const { return m_home.path(); }

    // The window's contents as they are now.
    QImage Grab() const;
    // Where the window stands on the screen now.
    QRect WindowGeometry() const;

    // Pointer actions in window coordinates. A drag presses, moves in small steps (drag and
    // drop on X needs motion events) and releases unless `release` is false.
    void Click(QPoint p) const;
    void Press(QPoint p) const;
    void Drag(QPoint from, QPoint to, bool release = true) const;
    // With the button held, moves on in small steps.
    void Glide(QPoint from, QPoint to) const;
    void Release() const;
    // Gives the window the keyboard and types `keys` into it, in order (names as xdotool takes
    // them: "1", "Tab", "Return").
    void Keys(const QStringList& keys) const;

    // Polls `done` against fresh grabs until it holds or `timeoutMs` has passed.
    bool WaitFor(const std::function<bool(const QImage&)>& done, int timeoutMs = 5000) const;

    // Saves a picture of the window for a person to look at; returns its path.
    QString Snapshot(const QString& name) const;

    // Runs an X client program on this display and gives its output (empty when it hangs).
    QByteArray Tool(const QString& program, const QStringList& args) const;
    QByteArray Xdotool(const QStringList& args) const { return Tool(QStringLiteral("xdotool"), args); }

private:
    void AppendMove(QStringList& a, QPoint p, const char* pause) const;
    void AppendGlide(QStringList& a, QPoint from, QPoint to) const;
    void AppendPark(QStringList& a) const;
    bool StartCompositor(QString* error, const WestonCompositor::Output& output);
    // Runs `command` (a shell's, with the display number file as $0 and `args` after it) as the
    // server; `name` tells which server in an error.
    bool Launch(const QString& command, const QStringList& args, const QString& name, QString* error);
    void Stop(QProcess& p);

    QTemporaryDir m_home;
    QProcess m_server;
    QProcess m_program;
    std::unique_ptr<WestonCompositor> m_compositor;
    QString m_wayland;   // the compositor's socket; empty on plain X
    QSize m_output;      // the compositor's output, in device pixels
    QProcessEnvironment m_extraEnv;
    QString m_display;
    QString m_window;
};
