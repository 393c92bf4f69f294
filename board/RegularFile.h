#pragma once
// Reads a picture file the player may have replaced with anything: only a regular file is read,
// and the check never blocks (a FIFO or a device in its place reads as missing).

#include <QByteArray>
#include <QString>

// The whole of the regular file at `path`; empty when it is anything else, unreadable, or larger
// than `maxBytes`.
QByteArray ReadRegularFile(const QString& path, qint64 maxBytes);
