// The sharp sheet's cells read back pixel for pixel; a cells file cut short, lengthened, with a bad
// header or a changed byte, or older than the PNG beside it, is passed over for the PNG.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>

#include <vector>

#include "CSpriteSheet.h"
#include "CellPicture.h"
#include "SheetPattern.h"

namespace {

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

bool SetModified(const QString& path, const QDateTime& when)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.setFileTime(when, QFileDevice::FileModificationTime);
}

constexpr sprites::Cell kChip{72, 4};   // any cell inside the sheet

class SharpSheetFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QDir(dir.path()).mkdir("images");
        const QImage plain = SheetPattern(sprites::kSheetWidth, sprites::kSheetHeight, 0);
        ASSERT_TRUE(plain.save(Path(CSpriteSheet::kFileName)));
    }
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    // The chip cell as a board at twice its size copies it, from whichever sharp sheet was read.
    QImage DrawnAtTwice()
    {
        CSpriteSheet sheet;
        EXPECT_TRUE(sheet.Load(dir.path()));
        sheet.SetScale(2.0);
        QImage shown(128, 128, QImage::Format_RGB32);
        QPainter painter(&shown);
        sheet.Draw(painter, kChip, {64, 64}, shown.size());
        return shown;
    }
    static QImage CellOf(const QImage& sharp) { return sharp.copy(2 * kChip.x, 2 * kChip.y, 128, 128); }

    QTemporaryDir dir;
};

}  // namespace

// Two cells of a small picture; the rest of it is not kept.
const std::vector<QRect> kTwoCells{QRect(0, 0, 120, 7), QRect(200, 2, 100, 5)};

TEST(CellPicture, ACellPictureReadsBackPixelForPixelAndOpaqueWithBlackBetweenTheCells)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("p.cells");
    QImage translucent = SheetPattern(300, 7, 5).convertToFormat(QImage::Format_ARGB32);
    translucent.setPixel(3, 2, qRgba(10, 20, 30, 0));
    ASSERT_TRUE(WriteCellPicture(translucent, kTwoCells, path, 1));
    CellPicture cells;
    ASSERT_TRUE(cells.Open(path));
    EXPECT_EQ(cells.Size(), QSize(300, 7));
    QImage expected = SheetPattern(300, 7, 5);
    expected.setPixel(3, 2, qRgb(10, 20, 30));   // the transparent pixel, made opaque
    EXPECT_EQ(cells.Read(QRect(2, 1, 50, 4)), expected.copy(2, 1, 50, 4));
    EXPECT_EQ(cells.Read(kTwoCells[1]), expected.copy(kTwoCells[1]));
    EXPECT_TRUE(cells.Read(QRect(110, 0, 20, 2)).isNull()) << "no one cell holds it";
    QImage whole(300, 7, QImage::Format_RGB32);
    whole.fill(Qt::black);
    QPainter painter(&whole);
    for (const QRect& cell : kTwoCells) painter.drawImage(cell.topLeft(), expected.copy(cell));
    painter.end();
    EXPECT_EQ(cells.ReadAll(), whole);
}

TEST(CellPicture, ACellPictureCutShortLengthenedOrChangedReadsAsMissing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("p.cells");
    ASSERT_TRUE(WriteCellPicture(SheetPattern(300, 7, 0), kTwoCells, path, 1));
    const QByteArray good = Bytes(path);
    // The file with the 32-bit number at `at` set to `value`, or the byte at `at` changed.
    const auto word = [](QByteArray bytes, int at, quint32 value) {
        qToLittleEndian<quint32>(value, bytes.data() + at);
        return bytes;
    };
    const auto changed = [&](int at) {
        QByteArray bytes = good;
        bytes[at] = char(bytes[at] ^ 0x5a);
        return bytes;
    };
    // The header is 24 bytes; too few cells to learn a dictionary from, so none; then 20 bytes for
    // each cell: x, y, width, height, length.
    ASSERT_EQ(qFromLittleEndian<quint32>(good.constData() + 20), 0u);
    const quint32 firstLength = qFromLittleEndian<quint32>(good.constData() + 24 + 16);
    const quint32 secondLength = qFromLittleEndian<quint32>(good.constData() + 44 + 16);
    const QByteArray broken[] = {
        good.left(good.size() - 1), good + 'x', good.left(10), changed(0),
        word(good, 8, 0),                  // no width
        word(good, 8, 0x7f000000),         // a width of about two thousand million
        word(good, 20, 4000),              // a dictionary reaching past the file
        word(good, 44, 250),               // the second cell reaching past the picture
        word(word(good, 40, firstLength + 1), 60, secondLength - 1),   // a byte moved from one cell to the other
        changed(24 + 2 * 20 + 30),         // a byte inside the first cell's pixels
    };
    for (const QByteArray& bytes : broken) {
        ASSERT_TRUE(Write(path, bytes));
        CellPicture cells;
        EXPECT_TRUE(!cells.Open(path) || (cells.Read(kTwoCells[0]).isNull() && cells.ReadAll().isNull()))
            << bytes.size();
    }
    CellPicture none;
    EXPECT_FALSE(none.Open(dir.filePath("none")));
}

TEST_F(SharpSheetFileTest, TheSheetTakesTheSharpCellsWrittenAfterThePng)
{
    const QImage png = SheetPattern(2 * sprites::kSheetWidth, 2 * sprites::kSheetHeight, 11);
    const QImage raw = SheetPattern(2 * sprites::kSheetWidth, 2 * sprites::kSheetHeight, 99);
    ASSERT_TRUE(png.save(Path(CSpriteSheet::kFileName2x)));
    ASSERT_TRUE(WriteCellPicture(raw, {QRect(QPoint(0, 0), raw.size())}, Path(CSpriteSheet::kFileName2xCells), 1));
    const QDateTime now = QDateTime::currentDateTimeUtc();
    ASSERT_TRUE(SetModified(Path(CSpriteSheet::kFileName2x), now.addSecs(-10)));
    ASSERT_TRUE(SetModified(Path(CSpriteSheet::kFileName2xCells), now.addSecs(-10)));
    EXPECT_EQ(DrawnAtTwice(), CellOf(raw)) << "written together";
    ASSERT_TRUE(SetModified(Path(CSpriteSheet::kFileName2x), now));
    EXPECT_EQ(DrawnAtTwice(), CellOf(png)) << "a PNG put in after the raw form";
}

TEST_F(SharpSheetFileTest, BrokenSharpCellsOrCellsWithoutTheirPngArePassedOver)
{
    const QImage png = SheetPattern(2 * sprites::kSheetWidth, 2 * sprites::kSheetHeight, 11);
    const QImage raw = SheetPattern(2 * sprites::kSheetWidth, 2 * sprites::kSheetHeight, 99);
    ASSERT_TRUE(WriteCellPicture(raw, {QRect(QPoint(0, 0), raw.size())}, Path(CSpriteSheet::kFileName2xCells), 1));
    const QImage plainScaled = DrawnAtTwice();
    EXPECT_NE(plainScaled, CellOf(raw)) << "no PNG, so no sharp sheet";
    ASSERT_TRUE(png.save(Path(CSpriteSheet::kFileName2x)));
    const QString rawPath = Path(CSpriteSheet::kFileName2xCells);
    ASSERT_TRUE(Write(rawPath, Bytes(rawPath).left(4000)));
    EXPECT_EQ(DrawnAtTwice(), CellOf(png)) << "cells cut short";
}
