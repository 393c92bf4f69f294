// The sharp sheet's cells file, which the game reads in place of the PNG, holds the PNG's pixels:
// every cell's, and black wherever no cell lies.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QImage>

#include "CellPicture.h"

TEST(SharpCells, TheSharpSheetsCellsHoldThePngsPixelsAndAreNotOlder)
{
    const QImage png = QImage(QString::fromUtf8(VANTEL_SHEET_2X)).convertToFormat(QImage::Format_RGB32);
    CellPicture cells;
    ASSERT_TRUE(cells.Open(QString::fromUtf8(VANTEL_SHEET_2X_CELLS)));
    const QImage whole = cells.ReadAll();
    ASSERT_EQ(whole.size(), QSize(2 * 941, 2 * 1319));
    EXPECT_EQ(whole, png);
    EXPECT_GE(QFileInfo(QString::fromUtf8(VANTEL_SHEET_2X_CELLS)).lastModified(),
              QFileInfo(QString::fromUtf8(VANTEL_SHEET_2X)).lastModified());
}
