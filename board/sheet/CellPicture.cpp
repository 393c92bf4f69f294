#include "CellPicture.h"

#include <QtEndian>

#include <zdict.h>
#include <zstd.h>

#include <cstring>
#include <new>

#include "PictureFile.h"

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace {

constexpr char kMagic[] = "VCELLZ\r\n";
constexpr qint64 kHeader = 24;
constexpr quint32 kMaxDictionary = 1 << 20;
constexpr size_t kDictionary = 112640;    // zstd's own advice for a trained dictionary
constexpr qint64 kIndexEntry = 20;
constexpr quint32 kMaxSide = 16384;       // far beyond any sheet; keeps a bad header's sizes sane
constexpr quint32 kMaxCells = 65536;

void Put(QByteArray& out, quint32 v)
{
    char word[4];
    qToLittleEndian<quint32>(v, word);
    out.append(word, 4);
}

quint32 Word(const QByteArray& bytes, qint64 at) { return qFromLittleEndian<quint32>(bytes.constData() + at); }

constexpr int kPixelBytes = 3;   // red, green, blue: a quarter less to decode than whole words

// The cell's pixels as the file keeps them.
QByteArray CellBytes(const QImage& rgb, const QRect& cell)
{
    QByteArray bytes(qsizetype(cell.width()) * cell.height() * kPixelBytes, Qt::Uninitialized);
    char* out = bytes.data();
    for (int y = 0; y < cell.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(cell.y() + y)) + cell.x();
        for (int x = 0; x < cell.width(); ++x) {
            *out++ = char(qRed(row[x]));
            *out++ = char(qGreen(row[x]));
            *out++ = char(qBlue(row[x]));
        }
    }
    return bytes;
}

// Decoded pixels to the picture's opaque 32-bit ones.
void Expand(const uchar* from, QImage& to)
{
    for (int y = 0; y < to.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(to.scanLine(y));
        for (int x = 0; x < to.width(); ++x, from += kPixelBytes) row[x] = qRgb(from[0], from[1], from[2]);
    }
}

QByteArray Compress(ZSTD_CCtx* encoder, const QByteArray& bytes)
{
    QByteArray packed(qsizetype(ZSTD_compressBound(size_t(bytes.size()))), Qt::Uninitialized);
    const size_t n = ZSTD_compress2(encoder, packed.data(), size_t(packed.size()), bytes.constData(), size_t(bytes.size()));
    if (ZSTD_isError(n)) return {};
    packed.truncate(qsizetype(n));
    return packed;
}

// Reads `bytes` at `at` straight into `to`, past the file's buffer, as cells lie far apart.
bool ReadAt(QFile& file, qint64 at, char* to, qint64 bytes)
{
#if defined(Q_OS_UNIX)
    return ::pread(file.handle(), to, size_t(bytes), off_t(at)) == bytes;
#else
    return file.seek(at) && file.read(to, bytes) == bytes;
#endif
}

}  // namespace

namespace {

// A dictionary learnt from the cells, which share much (the same chips in six colours); empty
// where there are too few of them to learn from.
QByteArray LearnDictionary(const std::vector<QByteArray>& cells)
{
    QByteArray samples;
    std::vector<size_t> sizes;
    for (const QByteArray& c : cells) {
        samples += c;
        sizes.push_back(size_t(c.size()));
    }
    QByteArray dictionary(qsizetype(kDictionary), Qt::Uninitialized);
    const size_t n = ZDICT_trainFromBuffer(dictionary.data(), kDictionary, samples.constData(), sizes.data(),
                                           unsigned(sizes.size()));
    if (ZDICT_isError(n)) return {};
    dictionary.truncate(qsizetype(n));
    return dictionary;
}

}  // namespace

bool WriteCellPicture(const QImage& image, const std::vector<QRect>& cells, const QString& path, int level)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    if (rgb.isNull()) return false;
    std::vector<QByteArray> pixels;
    for (const QRect& cell : cells) {
        if (cell.isEmpty() || !rgb.rect().contains(cell)) return false;
        pixels.push_back(CellBytes(rgb, cell));
    }
    const QByteArray dictionary = LearnDictionary(pixels);
    std::unique_ptr<ZSTD_CCtx, size_t (*)(ZSTD_CCtx*)> encoder(ZSTD_createCCtx(), ZSTD_freeCCtx);
    if (!encoder) return false;
    ZSTD_CCtx_setParameter(encoder.get(), ZSTD_c_compressionLevel, level);
    ZSTD_CCtx_setParameter(encoder.get(), ZSTD_c_checksumFlag, 1);   // a changed byte reads as broken
    if (ZSTD_isError(ZSTD_CCtx_loadDictionary(encoder.get(), dictionary.constData(), size_t(dictionary.size()))))
        return false;
    QByteArray head(kMagic, 8);
    for (qsizetype v : {qsizetype(rgb.width()), qsizetype(rgb.height()), qsizetype(cells.size()), dictionary.size()})
        Put(head, quint32(v));
    head += dictionary;
    QByteArray packedCells;
    for (size_t i = 0; i < cells.size(); ++i) {
        const QByteArray packed = Compress(encoder.get(), pixels[i]);
        if (packed.isEmpty()) return false;
        const QRect& c = cells[i];
        for (int v : {c.x(), c.y(), c.width(), c.height(), int(packed.size())}) Put(head, quint32(v));
        packedCells += packed;
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(head) == head.size() &&
           file.write(packedCells) == packedCells.size() && file.flush();
}

void CellPicture::FreeDecoder::operator()(ZSTD_DCtx_s* decoder) const { ZSTD_freeDCtx(decoder); }

// The decoder is made, with the cells' dictionary, when the first cell is read: a program that
// opens the file and never reads from it spends nothing on it.
bool CellPicture::MakeDecoder() const
{
    if (m_decoder) return true;
    QByteArray dictionary(qsizetype(m_dictionaryBytes), Qt::Uninitialized);
    if (!ReadAt(m_file, kHeader, dictionary.data(), m_dictionaryBytes)) return false;
    m_decoder.reset(ZSTD_createDCtx());
    // Kept by the decoder for every cell it decodes; none where the cells share none.
    if (m_decoder && !ZSTD_isError(ZSTD_DCtx_loadDictionary(m_decoder.get(), dictionary.constData(),
                                                           size_t(dictionary.size()))))
        return true;
    m_decoder.reset();
    return false;
}

void CellPicture::Close()
{
    m_file.close();
    m_size = QSize();
    m_cells.clear();
    m_dictionaryBytes = 0;
    m_decoder.reset();
}

bool CellPicture::Open(const QString& path)
{
    Close();
    if (!OpenPictureFile(path, m_file)) return false;
    const QByteArray header = m_file.read(kHeader);
    const bool ours = header.size() == kHeader && header.startsWith(QByteArray(kMagic, 8));
    const quint32 width = ours ? Word(header, 8) : 0;
    const quint32 height = ours ? Word(header, 12) : 0;
    const quint32 count = ours ? Word(header, 16) : 0;
    const quint32 dictionaryBytes = ours ? Word(header, 20) : 0;
    const qint64 size = m_file.size();
    const qint64 indexAt = kHeader + dictionaryBytes;
    if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide || count > kMaxCells ||
        dictionaryBytes > kMaxDictionary || indexAt + count * kIndexEntry > size || !m_file.seek(indexAt)) {
        Close();
        return false;
    }
    m_dictionaryBytes = dictionaryBytes;
    const QByteArray index = m_file.read(count * kIndexEntry);
    qint64 at = indexAt + count * kIndexEntry;
    const QRect whole(0, 0, int(width), int(height));
    for (quint32 i = 0; i < count && index.size() == count * kIndexEntry; ++i) {
        const qint64 e = i * kIndexEntry;
        const quint32 x = Word(index, e), y = Word(index, e + 4), w = Word(index, e + 8), h = Word(index, e + 12);
        const qint64 bytes = Word(index, e + 16);
        // Each number alone within the picture, so that none overflows a rectangle.
        if (x >= width || y >= height || w == 0 || h == 0 || w > width - x || h > height - y || bytes == 0) break;
        m_cells.push_back({QRect(int(x), int(y), int(w), int(h)), at, bytes});
        at += bytes;
    }
    // Every cell sound, and their pixels reach exactly to the end of the file: nothing cut off or added.
    if (m_cells.size() != count || at != size || !whole.isValid()) {
        Close();
        return false;
    }
    m_size = whole.size();
    return true;
}

QImage CellPicture::Read(const QRect& area) const
{
    if (area.isEmpty()) return {};
    for (const Cell& cell : m_cells) {
        if (!cell.rect.contains(area)) continue;
        QByteArray packed(qsizetype(cell.bytes), Qt::Uninitialized);
        if (!ReadAt(m_file, cell.at, packed.data(), cell.bytes)) return {};   // cut short since
        const size_t expected = size_t(cell.rect.width()) * size_t(cell.rect.height()) * kPixelBytes;
        if (ZSTD_getFrameContentSize(packed.constData(), size_t(packed.size())) != expected) return {};
        const std::unique_ptr<uchar[]> bytes(new (std::nothrow) uchar[expected]);
        QImage pixels(cell.rect.size(), QImage::Format_RGB32);
        if (!MakeDecoder() || !bytes || pixels.isNull()) return {};
        const size_t n = ZSTD_decompressDCtx(m_decoder.get(), bytes.get(), expected, packed.constData(),
                                             size_t(packed.size()));
        if (ZSTD_isError(n) || n != expected) return {};
        Expand(bytes.get(), pixels);
        return area == cell.rect ? pixels : pixels.copy(area.translated(-cell.rect.topLeft()));
    }
    return {};
}

QImage CellPicture::ReadAll() const
{
    if (!IsOpen()) return {};
    QImage whole(m_size, QImage::Format_RGB32);
    if (whole.isNull()) return {};
    whole.fill(Qt::black);
    for (const Cell& cell : m_cells) {
        const QImage pixels = Read(cell.rect);
        if (pixels.isNull()) return {};
        for (int y = 0; y < pixels.height(); ++y)
            std::memcpy(whole.scanLine(cell.rect.y() + y) + cell.rect.x() * 4, pixels.constScanLine(y),
                        size_t(pixels.width()) * 4);
    }
    return whole;
}
