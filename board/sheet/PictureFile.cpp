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

namespace {

// Opens the raw picture at `path` and reads its header; an empty size when it is not a whole one.
QSize OpenRawPicture(const QString& path, QFile& file)
{
    if (!OpenPictureFile(path, file)) return {};
    const QByteArray header = file.read(kRawHeader);
    if (header.size() != kRawHeader || !header.startsWith(QByteArray(kRawMagic, 8))) return {};
    const quint32 width = qFromLittleEndian<quint32>(header.constData() + 8);
    const quint32 height = qFromLittleEndian<quint32>(header.constData() + 12);
    if (width == 0 || height == 0 || width > kRawMaxSide || height > kRawMaxSide) return {};
    if (file.size() != kRawHeader + qint64(width) * height * 4) return {};
    return QSize(int(width), int(height));
}

// Little-endian words to opaque pixels, in place.
void MakePixels(uchar* bits, qsizetype count)
{
    auto* pixel = reinterpret_cast<quint32*>(bits);
    qFromLittleEndian<quint32>(pixel, count, pixel);
    // Opaque whatever the file says, as every copy of the sheet is drawn as opaque.
    for (qsizetype i = 0; i < count; ++i) pixel[i] |= 0xff000000u;
}

// Reads `bytes` at `at` straight into `to`, past the file's buffer, as the rows of an area are
// far apart.
qint64 ReadAt(QFile& file, qint64 at, uchar* to, qint64 bytes)
{
#if defined(Q_OS_UNIX)
    return ::pread(file.handle(), to, size_t(bytes), off_t(at));
#else
    return file.seek(at) ? file.read(reinterpret_cast<char*>(to), bytes) : -1;
#endif
}

}  // namespace

QSize RawPictureSize(const QString& path)
{
    QFile file;
    return OpenRawPicture(path, file);
}

QImage ReadRawPicture(const QString& path)
{
    QFile file;
    const QSize size = OpenRawPicture(path, file);
    if (size.isEmpty()) return {};
    QImage image(size, QImage::Format_RGB32);
    const qint64 bytes = qint64(size.width()) * size.height() * 4;
    if (image.isNull() || image.sizeInBytes() != bytes) return {};
    // Rows of 32-bit pixels need no padding, so the whole picture is one read.
    if (file.read(reinterpret_cast<char*>(image.bits()), bytes) != bytes) return {};
    MakePixels(image.bits(), qsizetype(size.width()) * size.height());
    return image;
}

QImage ReadRawPictureArea(const QString& path, const QRect& area)
{
    QFile file;
    const QSize size = OpenRawPicture(path, file);
    if (size.isEmpty() || area.isEmpty() || !QRect(QPoint(0, 0), size).contains(area)) return {};
    QImage image(area.size(), QImage::Format_RGB32);
    if (image.isNull()) return {};
    const qint64 stride = qint64(size.width()) * 4;
    const qint64 rowBytes = qint64(area.width()) * 4;
    for (int y = 0; y < area.height(); ++y) {
        const qint64 at = kRawHeader + stride * (area.y() + y) + qint64(area.x()) * 4;
        if (ReadAt(file, at, image.scanLine(y), rowBytes) != rowBytes) return {};   // cut short
        MakePixels(image.scanLine(y), area.width());
    }
    return image;
}
