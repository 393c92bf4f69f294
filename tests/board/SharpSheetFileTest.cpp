// The sharp sheet's raw form reads back pixel for pixel; a raw file cut short, with a bad header or
// older than the PNG beside it is passed over for the PNG.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "CSpriteSheet.h"
#include "PictureFile.h"
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

TEST(RawPicture, ARawPictureReadsBackPixelForPixelAndOpaque)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("p.rgb");
    QImage translucent = SheetPattern(300, 7, 5).convertToFormat(QImage::Format_ARGB32);
    translucent.setPixel(3, 2, qRgba(10, 20, 30, 0));
    ASSERT_TRUE(WriteRawPicture(translucent, path));
    EXPECT_EQ(QFile(path).size(), 16 + 300 * 7 * 4);
    const QImage back = ReadRawPicture(path);
    EXPECT_EQ(back.format(), QImage::Format_RGB32);
    QImage expected = SheetPattern(300, 7, 5);
    expected.setPixel(3, 2, qRgb(10, 20, 30));   // the transparent pixel, made opaque
    EXPECT_EQ(back, expected);
}

TEST(RawPicture, ARawPictureCutShortOrWithABadHeaderReadsAsMissing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("p.rgb");
    ASSERT_TRUE(WriteRawPicture(SheetPattern(20, 10, 0), path));
    const QByteArray good = Bytes(path);
    QByteArray badMagic = good;
    badMagic[0] = 'X';
    QByteArray noWidth = good;
    noWidth[8] = noWidth[9] = noWidth[10] = noWidth[11] = 0;
    QByteArray huge = good;
    huge[11] = char(0x7f);   // a width of about two thousand million
    const QByteArray broken[] = {good.left(good.size() - 1), good + 'x', good.left(10), badMagic, noWidth,
                                 huge};
    for (const QByteArray& bytes : broken) {
        ASSERT_TRUE(Write(path, bytes));
        EXPECT_TRUE(ReadRawPicture(path).isNull()) << bytes.size();
    }
    EXPECT_TRUE(ReadRawPicture(dir.filePath("none")).isNull());
}

TEST_F(SharpSheetFileTest, TheSheetTakesTheRawSharpSheetWrittenAfterThePng)
{
    const QImage png = SheetPattern(2 * sprites::kSheetWidth, 2 * sprites::kSheetHeight, 11);
    const QImage raw = SheetPattern(2 * sprites::kSheetWidth, 2 * sprites::kSheetHeight, 99);
    ASSERT_TRUE(png.save(Path(CSpriteSheet::kFileName2x)));
    ASSERT_TRUE(WriteRawPicture(raw, Path(CSpriteSheet::kFileName2xRaw)));
    const QDateTime now = QDateTime::currentDateTimeUtc();
    ASSERT_TRUE(SetModified(Path(CSpriteSheet::kFileName2x), now.addSecs(-10)));
    ASSERT_TRUE(SetModified(Path(CSpriteSheet::kFileName2xRaw), now.addSecs(-10)));
    EXPECT_EQ(DrawnAtTwice(), CellOf(raw)) << "written together";
    ASSERT_TRUE(SetModified(Path(CSpriteSheet::kFileName2x), now));
    EXPECT_EQ(DrawnAtTwice(), CellOf(png)) << "a PNG put in after the raw form";
}

TEST_F(SharpSheetFileTest, ABrokenRawSharpSheetOrOneWithoutItsPngIsPassedOver)
{
    const QImage png = SheetPattern(2 * sprites::kSheetWidth, 2 * sprites::kSheetHeight, 11);
    const QImage raw = SheetPattern(2 * sprites::kSheetWidth, 2 * sprites::kSheetHeight, 99);
    ASSERT_TRUE(WriteRawPicture(raw, Path(CSpriteSheet::kFileName2xRaw)));
    const QImage plainScaled = DrawnAtTwice();
    EXPECT_NE(plainScaled, CellOf(raw)) << "no PNG, so no sharp sheet";
    ASSERT_TRUE(png.save(Path(CSpriteSheet::kFileName2x)));
    const QString rawPath = Path(CSpriteSheet::kFileName2xRaw);
    ASSERT_TRUE(Write(rawPath, Bytes(rawPath).left(4000)));
    EXPECT_EQ(DrawnAtTwice(), CellOf(png)) << "a raw form cut short";
}
