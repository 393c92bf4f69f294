#pragma once
// Opens a picture file (a sprite sheet) the player may have replaced with anything: only a regular
// file is opened, and the check never blocks (a FIFO or a device in its place reads as missing).
// The statistics files have the same rule in stats/RegularFile.h; the board sits below them and
// reads through Qt, so it keeps its own.

#include <QFile>
#include <QString>

// Opens the regular file at `path` for reading into `file`; false, leaving `file` closed, when it is
// anything else or cannot be opened.
bool OpenPictureFile(const QString& path, QFile& file);
