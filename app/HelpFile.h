#pragma once
// Reads a file of the instructions (the page, a picture it shows) that the player may have
// replaced with anything: only a regular file of at most kHelpFileLimit bytes is read, and nothing
// waits for another program (a FIFO or a device in its place reads as missing).

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

// The shipped page is about 11 KiB; this leaves ample room for a longer one and its pictures.
inline constexpr int64_t kHelpFileLimit = 4 * 1024 * 1024;

// The whole content of the file at `path`, or nothing when it is no regular file, cannot be read,
// or holds more than `limit` bytes.
std::optional<QByteArray> ReadHelpFile(const QString& path, int64_t limit = kHelpFileLimit);

// At most the first `count` bytes of the file at `path`, whatever its length; nothing when it is
// no regular file or cannot be read.
std::optional<QByteArray> ReadHelpFileStart(const QString& path, int64_t count);

// How many pixels the picture whose file begins with `start` decodes to, as its header says: the
// picture itself is not decoded. Nothing when the header does not tell.
std::optional<int64_t> PicturePixels(const QByteArray& start);
