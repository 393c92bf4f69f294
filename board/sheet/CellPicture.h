#pragma once
// A picture kept as its cells alone, each compressed on its own (Zstandard), so a program that
// shows only some of them reads and decodes only those: the sharp sprite sheet, of which a board
// shows a third. Little-endian throughout:
//
//   "VCELLZ\r\n", the picture's width and height, the number of cells and the length of the
//   dictionary (32-bit each);
//   the dictionary: a Zstandard dictionary the cells share, learnt from them (none if 0 long);
//   for every cell its x, y, width, height and the length of its compressed pixels (32-bit each);
//   then every cell's pixels, one Zstandard frame each, back to back in the index's order, to the
//   end of the file: the cell's rows of pixels, 3 bytes each (red, green, blue), nothing between
//   the rows. The picture is opaque.
//
// What lies outside every cell is black.

#include <QFile>
#include <QImage>
#include <QRect>
#include <QString>

#include <memory>
#include <vector>

struct ZSTD_DCtx_s;

// Writes `image` as the cells `cells` to `path`, compressed at Zstandard's `level` (the build ships
// the strongest it can still decode as fast); false when a cell lies outside the picture or the file
// cannot be written.
bool WriteCellPicture(const QImage& image, const std::vector<QRect>& cells, const QString& path, int level = 19);

class CellPicture {
public:
    CellPicture() = default;
    CellPicture(const CellPicture&) = delete;
    CellPicture& operator=(const CellPicture&) = delete;

    // Opens the file at `path` and reads its index; false, leaving nothing open, when it is not a
    // whole cell picture: a bad header, a cell outside the picture, or a length that does not add
    // up to the file's.
    bool Open(const QString& path);
    void Close();
    bool IsOpen() const { return !m_size.isEmpty(); }
    QSize Size() const { return m_size; }

    // The pixels of `area` from the cell that holds it whole; null when no cell does, or
    // the cell does not decode to exactly its size (a file cut short or changed since it was opened).
    QImage Read(const QRect& area) const;
    // The whole picture, black outside its cells; null when a cell does not read back whole.
    QImage ReadAll() const;

private:
    struct Cell {
        QRect rect;
        qint64 at;      // where its compressed pixels begin in the file
        qint64 bytes;   // how many there are
    };

    struct FreeDecoder {
        void operator()(ZSTD_DCtx_s* decoder) const;
    };

    bool MakeDecoder() const;

    mutable QFile m_file;
    QSize m_size;
    qint64 m_dictionaryBytes = 0;   // right after the header
    std::vector<Cell> m_cells;
    mutable std::unique_ptr<ZSTD_DCtx_s, FreeDecoder> m_decoder;   // with the cells' dictionary
};
