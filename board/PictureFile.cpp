#include "PictureFile.h"

#include <QtEndian>

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

namespace {

constexpr char kRawMagic[] = "VRGB32\r\n";
constexpr qint64 kRawHeader = 16;
constexpr quint32 kRawMaxSide = 16384;   // far beyond any sheet; keeps a bad header's size sane

}  // namespace

bool WriteRawPicture(const QImage& image, const QString& path)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    if (rgb.isNull()) return false;
    QByteArray header(kRawMagic, 8);
    header.resize(kRawHeader);
    qToLittleEndian<quint32>(quint32(rgb.width()), header.data() + 8);
    qToLittleEndian<quint32>(quint32(rgb.height()), header.data() + 12);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(header) != kRawHeader)
        return false;
    QByteArray row(rgb.width() * 4, Qt::Uninitialized);
    for (int y = 0; y < rgb.height(); ++y) {
        qToLittleEndian<quint32>(rgb.constScanLine(y), rgb.width(), row.data());
        if (file.write(row) != row.size()) return false;
    }
    return file.flush();
}

QImage ReadRawPicture(const QString& path)
{
    QFile file;
    if (!OpenPictureFile(path, file)) return {};
    const QByteArray header = file.read(kRawHeader);
    if (header.size() != kRawHeader || !header.startsWith(QByteArray(kRawMagic, 8))) return {};
    const quint32 width = qFromLittleEndian<quint32>(header.constData() + 8);
    const quint32 height = qFromLittleEndian<quint32>(header.constData() + 12);
    if (width == 0 || height == 0 || width > kRawMaxSide || height > kRawMaxSide) return {};
    const qint64 bytes = qint64(width) * height * 4;
    if (file.size() != kRawHeader + bytes) return {};
    QImage image(int(width), int(height), QImage::Format_RGB32);
    if (image.isNull() || image.sizeInBytes() != bytes) return {};
    // Rows of 32-bit pixels need no padding, so the whole picture is one read.
    uchar* bits = image.bits();
    if (file.read(reinterpret_cast<char*>(bits), bytes) != bytes) return {};
    auto* pixel = reinterpret_cast<quint32*>(bits);
    qFromLittleEndian<quint32>(pixel, qsizetype(width) * height, pixel);
    // Opaque whatever the file says, as every copy of the sheet is drawn as opaque.
    for (qint64 i = 0, n = qint64(width) * height; i < n; ++i) pixel[i] |= 0xff000000u;
    return image;
}
