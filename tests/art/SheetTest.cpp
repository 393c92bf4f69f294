// The generated sprite sheet against the sheet's geometry: size and format, every cell painted
// inside its own rectangle and nowhere else, and pictures of different meaning told apart.

#include "SheetImages.h"

#include <QFile>
#include <gtest/gtest.h>

#include <vector>

namespace {

using sheet::At;
using sheet::DoubleSheet;
using sheet::Sheet;

// The chip-slot cells: empty, six shapes, six colours, the two not in play, the slot out of play.
std::vector<QRect> ChipCells()
{
    std::vector<QRect> cells;
    for (int v : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15, 16})
        cells.push_back(At(sprites::GuessChipCell(v), sprites::kChipSize));
    return cells;
}

std::vector<QRect> PegCells()   // no peg, no match, present, exact
{
    std::vector<QRect> cells;
    for (int v = 0; v < 4; ++v)
        cells.push_back(At(sprites::ScoreChipCell(v), sprites::kPegSize));
    return cells;
}

std::vector<QRect> PoolCells()   // 36 available, then the same 36 eliminated
{
    std::vector<QRect> cells;
    for (int v = 0; v < 72; ++v)
        cells.push_back(At(sprites::CenterChipCell(v), sprites::kPoolSize));
    return cells;
}

std::vector<QRect> DigitCells()   // three sets of ten, then the blank
{
    std::vector<QRect> cells;
    for (int v = 0; v <= sprites::kBlankDigit; ++v)
        cells.push_back(At(sprites::NumbersCell(v), sprites::kDigitSize));
    return cells;
}

std::vector<QRect> SideCells()
{
    std::vector<QRect> cells;
    for (int v = 0; v < 3; ++v)
        cells.push_back(At(sprites::SideVertCell(v), {sprites::kSideWidth, sprites::kSideCellHeight}));
    return cells;
}

std::vector<QRect> BarCells()
{
    std::vector<QRect> cells;
    for (int v = 0; v < 2; ++v)
        cells.push_back(At(sprites::SideHorizCell(v), sprites::kBarSize));
    return cells;
}

std::vector<QRect> AllCells()
{
    std::vector<QRect> all;
    for (const auto& kind : {ChipCells(), PegCells(), PoolCells(), DigitCells(), SideCells(), BarCells()})
        all.insert(all.end(), kind.begin(), kind.end());
    return all;
}

int ChannelDistance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

// Share of the pixels of two equally large cells that differ by more than `step` in some channel.
double DifferingShare(const QImage& image, const QRect& a, const QRect& b, int step = 40)
{
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (ChannelDistance(image.pixel(a.x() + x, a.y() + y), image.pixel(b.x() + x, b.y() + y)) > step)
                ++differing;
    return double(differing) / (a.width() * a.height());
}

void ExpectAllDiffer(const std::vector<QRect>& cells, double minShare)
{
    for (size_t i = 0; i < cells.size(); ++i)
        for (size_t j = i + 1; j < cells.size(); ++j)
            EXPECT_GT(DifferingShare(Sheet(), cells[i], cells[j]), minShare)
                << "cells " << i << " and " << j << " look alike";
}

double MeanLuma(const QImage& image, const QRect& rect)
{
    double sum = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            sum += qGray(image.pixel(x, y));
    return sum / (rect.width() * rect.height());
}

bool IsBlack(const QImage& image, const QRect& rect)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0)
                return false;
    return true;
}

// Every pixel outside the cells (scaled by `scale`) must be black; gives the first that is not.
QPoint FirstPaintedOutsideCells(const QImage& image, int scale)
{
    std::vector<bool> inCell(size_t(image.width()) * image.height(), false);
    for (const QRect& cell : AllCells()) {
        const QRect scaled(cell.topLeft() * scale, cell.size() * scale);
        for (int y = scaled.top(); y <= scaled.bottom(); ++y)
            for (int x = scaled.left(); x <= scaled.right(); ++x)
                inCell[size_t(y) * image.width() + x] = true;
    }
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!inCell[size_t(y) * image.width() + x] && (image.pixel(x, y) & 0xFFFFFF) != 0)
                return {x, y};
    return {-1, -1};
}

quint32 ReadLittle(const QByteArray& bytes, int offset, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | quint8(bytes[offset + i]);
    return value;
}

TEST(SpriteSheet, IsATwentyFourBitBitmapOfTheSheetsSize)
{
    QFile file(QString::fromUtf8(VANTEL_SHEET));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(54);
    ASSERT_EQ(header.size(), 54);
    EXPECT_EQ(header.left(2), QByteArray("BM"));
    EXPECT_EQ(ReadLittle(header, 18, 4), 941u);
    EXPECT_EQ(qAbs(qint32(ReadLittle(header, 22, 4))), 1319);   // negative when stored top-down
    EXPECT_EQ(ReadLittle(header, 28, 2), 24u);
    EXPECT_EQ(Sheet().size(), QSize(941, 1319));
}

TEST(SpriteSheet, EveryCellLiesInsideTheSheet)
{
    for (const QRect& cell : AllCells())
        EXPECT_TRUE(QRect(QPoint(0, 0), Sheet().size()).contains(cell)) << cell.x() << "," << cell.y();
}

TEST(SpriteSheet, NothingIsPaintedBetweenOrOutsideTheCells)
{
    EXPECT_EQ(FirstPaintedOutsideCells(Sheet(), 1), QPoint(-1, -1));
}

TEST(SpriteSheet, EveryChipSlotPictureIsItsOwn)
{
    ExpectAllDiffer(ChipCells(), 0.03);
}

TEST(SpriteSheet, PegsDifferInFormAndLightness)
{
    const std::vector<QRect> pegs = PegCells();
    ExpectAllDiffer(pegs, 0.03);
    EXPECT_TRUE(IsBlack(Sheet(), pegs[0])) << "no peg shows nothing";
    const double noMatch = MeanLuma(Sheet(), pegs[1]);
    const double present = MeanLuma(Sheet(), pegs[2]);
    const double exact = MeanLuma(Sheet(), pegs[3]);
    EXPECT_GT(present, 2 * noMatch);
    EXPECT_GT(exact, 2 * noMatch);
    EXPECT_GT(present, 1.3 * exact) << "the white peg must stand out from the red one without colour";
}

TEST(SpriteSheet, PoolChipsAreAllDifferentAndEliminatedOnesPlainlyDimmed)
{
    const std::vector<QRect> pool = PoolCells();
    ExpectAllDiffer(std::vector<QRect>(pool.begin(), pool.begin() + 36), 0.03);
    for (int chip = 0; chip < 36; ++chip) {
        const double available = MeanLuma(Sheet(), pool[chip]);
        const double eliminated = MeanLuma(Sheet(), pool[chip + 36]);
        EXPECT_LT(eliminated, 0.5 * available) << "chip " << chip;
        EXPECT_GT(eliminated, 0.0) << "an eliminated chip still shows, dimly: chip " << chip;
    }
}

TEST(SpriteSheet, EliminatedChipsStayApart)
{
    const std::vector<QRect> pool = PoolCells();
    for (int a = 36; a < 72; ++a)
        for (int b = a + 1; b < 72; ++b)
            EXPECT_GT(DifferingShare(Sheet(), pool[a], pool[b], 12), 0.03) << a << " and " << b;
}

TEST(SpriteSheet, DigitsDifferByValueAndSetAndTheBlankIsBlack)
{
    const std::vector<QRect> digits = DigitCells();
    ExpectAllDiffer(std::vector<QRect>(digits.begin(), digits.begin() + 30), 0.05);
    for (int v = 0; v < 30; ++v)
        EXPECT_GT(MeanLuma(Sheet(), digits[v]), 10.0) << "digit value " << v;
    EXPECT_TRUE(IsBlack(Sheet(), digits[30]));
}

QColor MeanColour(const QImage& image, const QRect& rect)
{
    qint64 r = 0, g = 0, b = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            r += qRed(pixel);
            g += qGreen(pixel);
            b += qBlue(pixel);
        }
    const qint64 n = qint64(rect.width()) * rect.height();
    return QColor(int(r / n), int(g / n), int(b / n));
}

TEST(SpriteSheet, FrameStylesDifferAndTheOpenBoardIsBlue)
{
    const std::vector<QRect> sides = SideCells();
    const std::vector<QRect> bars = BarCells();
    ExpectAllDiffer(sides, 0.5);
    ExpectAllDiffer(bars, 0.5);
    for (const QRect& open : {sides[0], bars[0]}) {
        const QColor colour = MeanColour(Sheet(), open);
        EXPECT_GT(colour.blue(), 180);
        EXPECT_LT(colour.red(), colour.blue() / 2);
    }
    EXPECT_LT(MeanLuma(Sheet(), sides[1]), MeanLuma(Sheet(), sides[0])) << "a closed board is dimmer";
    EXPECT_LT(MeanLuma(Sheet(), bars[1]), MeanLuma(Sheet(), bars[0]));
    EXPECT_GT(MeanLuma(Sheet(), sides[2]), MeanLuma(Sheet(), sides[0])) << "the row in play is brightest";
}

// The double sheet, brought down to 1x by averaging each 2 x 2 block, shows each cell's picture.
int MeanDistanceToHalvedDouble(const QRect& cell)
{
    qint64 sum = 0;
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x) {
            const QPoint p = (cell.topLeft() + QPoint(x, y)) * 2;
            int channels[3] = {0, 0, 0};
            for (const QPoint& d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
                const QRgb pixel = DoubleSheet().pixel(p + d);
                channels[0] += qRed(pixel);
                channels[1] += qGreen(pixel);
                channels[2] += qBlue(pixel);
            }
            const QRgb single = Sheet().pixel(cell.topLeft() + QPoint(x, y));
            sum += std::abs(channels[0] / 4 - qRed(single)) + std::abs(channels[1] / 4 - qGreen(single))
                   + std::abs(channels[2] / 4 - qBlue(single));
        }
    return int(sum / (3 * qint64(cell.width()) * cell.height()));
}

TEST(SpriteSheet, TheDoubleSheetIsAPngWithEveryCellAtTwiceItsPlaceAndSize)
{
    QFile file(QString::fromUtf8(VANTEL_SHEET_2X));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(8), QByteArray("\x89PNG\r\n\x1a\n", 8)) << "a lossless format, not a bitmap";
    ASSERT_EQ(DoubleSheet().size(), QSize(2 * 941, 2 * 1319));
    EXPECT_EQ(FirstPaintedOutsideCells(DoubleSheet(), 2), QPoint(-1, -1));
    for (const QRect& cell : AllCells())
        EXPECT_LE(MeanDistanceToHalvedDouble(cell), 12) << "cell at " << cell.x() << "," << cell.y();
}

}  // namespace
