#include "HelpFile.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "RegularFile.h"
#include "UniqueFd.h"

namespace {

stats::UniqueFd OpenHelpFile(const QString& path)
{
    return stats::UniqueFd(stats::OpenRegularFile(QFile::encodeName(path).toStdString(), O_RDONLY));
}

// Up to `count` bytes from the start of the open file `fd`.
std::optional<QByteArray> ReadUpTo(int fd, int64_t count)
{
    QByteArray bytes(static_cast<qsizetype>(count), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return {};
        if (n == 0) break;
        done += n;
    }
    bytes.truncate(done);
    return bytes;
}

}  // namespace

std::optional<QByteArray> ReadHelpFile(const QString& path, int64_t limit)
{
    // Checked on the open file itself, so nothing can be swapped in between the check and the read.
    const stats::UniqueFd fd = OpenHelpFile(path);
    if (!fd) return {};
    struct stat st {};
    if (::fstat(fd.Get(), &st) != 0 || st.st_size > limit) return {};
    // A file that grows while it is read stops one byte past the limit, and is refused.
    std::optional<QByteArray> bytes = ReadUpTo(fd.Get(), limit + 1);
    if (!bytes || bytes->size() > limit) return {};
    return bytes;
}

std::optional<QByteArray> ReadHelpFileStart(const QString& path, int64_t count)
{
    const stats::UniqueFd fd = OpenHelpFile(path);
    if (!fd) return {};
    return ReadUpTo(fd.Get(), count);
}

std::optional<int64_t> PicturePixels(const QByteArray& start)
{
    QBuffer buffer;
    buffer.setData(start);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // A format that can only tell its size by decoding does not tell it.
    if (!reader.supportsOption(QImageIOHandler::Size)) return {};
    const QSize size = reader.size();
    if (!size.isValid()) return {};
    return int64_t{size.width()} * size.height();
}
