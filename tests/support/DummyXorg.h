#pragma once
// Xorg with its dummy video driver: the server a player's machine runs, with RandR outputs of the
// sizes a test asks for, and no video card or input device needed.

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

class DummyXorg {
public:
    // True when the server and its dummy driver are installed.
    static bool Installed();
    // An xorg.conf with one output per rectangle, named DUMMY0, DUMMY1, ... in order, each lit at
    // its own position and size; the X screen spans them all.
    static QString Config(const QList<QRect>& outputs);
    // Writes that configuration into `folder` and gives the server's arguments after the display
    // number: its configuration, its log there, no listening on TCP. Empty, with a reason in
    // `error`, when the files cannot be written.
    static QStringList Prepare(const QString& folder, const QList<QRect>& outputs, QString* error);
};
