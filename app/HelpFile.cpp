#include "HelpFile.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "RegularFile.h"
#include "UniqueFd.h"

std::optional<QByteArray> ReadHelpFile(const QString& path, int64_t limit)
{
    // Checked on the open file itself, so nothing can be swapped in between the check and the read.
    const stats::UniqueFd fd(stats::OpenRegularFile(QFile::encodeName(path).toStdString(), O_RDONLY));
    if (!fd) return {};
    struct stat st {};
    if (::fstat(fd.Get(), &st) != 0 || st.st_size > limit) return {};
    // A file that grows while it is read stops one byte past the limit, and is refused.
    QByteArray bytes(static_cast<qsizetype>(limit + 1), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd.Get(), bytes.data() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return {};
        if (n == 0) break;
        done += n;
    }
    if (done > limit) return {};
    bytes.truncate(done);
    return bytes;
}
