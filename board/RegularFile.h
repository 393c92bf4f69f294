#pragma once
// Opens a picture file the player may have replaced with anything: only a regular file is opened,
// and the check never blocks (a FIFO or a device in its place reads as missing).

#include <QFile>
#include <QString>

// Opens the regular file at `path` for reading into `file`; false, leaving `file` closed, when it is
// anything else or cannot be opened.
bool OpenRegularFile(const QString& path, QFile& file);
