// The sharp sheet's raw form, which the game reads in place of the PNG, holds the PNG's pixels.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QImage>

#include "PictureFile.h"

TEST(RawSheet, TheRawSharpSheetHoldsThePngsPixelsAndIsNotOlder)
{
    const QImage png = QImage(QString::fromUtf8(VANTEL_SHEET_2X)).convertToFormat(QImage::Format_RGB32);
    const QImage raw = ReadRawPicture(QString::fromUtf8(VANTEL_SHEET_2X_RAW));
    ASSERT_EQ(raw.size(), QSize(2 * 941, 2 * 1319));
    EXPECT_EQ(raw, png);
    EXPECT_GE(QFileInfo(QString::fromUtf8(VANTEL_SHEET_2X_RAW)).lastModified(),
              QFileInfo(QString::fromUtf8(VANTEL_SHEET_2X)).lastModified());
}
