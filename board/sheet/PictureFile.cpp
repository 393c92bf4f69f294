#include "PictureFile.h"

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

bool OpenPictureFile(const QString& path, QFile& file)
{
#if defined(Q_OS_UNIX)
    // Opened without waiting for a writer, then checked on the open file itself, so nothing can
    // be swapped in between the check and the read.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
#else
    file.setFileName(path);
    if (file.open(QIODevice::ReadOnly) && !file.isSequential()) return true;
    file.close();
    return false;
#endif
}
