#pragma once
// Opens a picture file (a sprite sheet) the player may have replaced with anything: only a regular
// file is opened, and the check never blocks (a FIFO or a device in its place reads as missing).
// The statistics files have the same rule in stats/RegularFile.h; the board sits below them and
// reads through Qt, so it keeps its own.

#include <QFile>
#include <QImage>
#include <QString>

// Opens the regular file at `path` for reading into `file`; false, leaving `file` closed, when it is
// anything else or cannot be opened.
bool OpenPictureFile(const QString& path, QFile& file);

// A picture's raw form, which reads at the speed of a file copy where a PNG takes a decoder's time:
// "VRGB32\r\n", the width and the height as 32-bit little-endian numbers, then every row's pixels
// as 32-bit little-endian 0xffRRGGBB words, nothing between the rows.
bool WriteRawPicture(const QImage& image, const QString& path);

// The picture in the raw file at `path`, opaque; null when the file is missing, not a regular
// file, or not exactly as long as its header says.
QImage ReadRawPicture(const QString& path);

// The size the raw file at `path` holds, or an empty size when it is not a whole raw picture.
QSize RawPictureSize(const QString& path);

// The pixels of `area` of the raw picture at `path`, read alone, so a picture of which only some
// parts are ever shown is never held whole; null when the file is not a whole raw picture or
// `area` does not lie inside it.
QImage ReadRawPictureArea(const QString& path, const QRect& area);
