// On a screen of twice the density a sheet whose sharp twin has its cells file reads only the cells
// it shows from it, and still gives the plain sheet to whatever asks for it.
#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <vector>

#include "CSpriteSheet.h"
#include "CellPicture.h"
#include "SheetPattern.h"

namespace {

// The sheet's size times `scale`.
QImage Pattern(int scale, int salt)
{
    return SheetPattern(sprites::kSheetWidth * scale, sprites::kSheetHeight * scale, salt);
}

// The cell as a control of its plain size shows it on this screen, in device pixels.
QImage Shown(const CSpriteSheet& sheet, sprites::Cell cell, int w, int h)
{
    QImage shown(2 * w, 2 * h, QImage::Format_RGB32);
    shown.setDevicePixelRatio(2.0);
    shown.fill(Qt::red);
    QPainter painter(&shown);
    sheet.Draw(painter, cell, {w, h}, QSize(w, h));
    painter.end();
    shown.setDevicePixelRatio(1.0);
    return shown;
}

}  // namespace

TEST(SharpSheetDense, TheSharpTwinsCellsShowAndThePlainSheetIsStillThere)
{
    ASSERT_EQ(qGuiApp->devicePixelRatio(), 2.0);
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("images");
    const QImage plain = Pattern(1, 0);
    const QImage png = Pattern(2, 11);
    const QImage raw = Pattern(2, 99);
    ASSERT_TRUE(plain.save(dir.filePath(CSpriteSheet::kFileName)));
    ASSERT_TRUE(png.save(dir.filePath(CSpriteSheet::kFileName2x)));
    // The cells it reads below: a chip, a peg, and the sheet's corner.
    const std::vector<QRect> cells{QRect(144, 8, 128, 128), QRect(1004, 172, 96, 96), QRect(1860, 2600, 22, 38)};
    ASSERT_TRUE(WriteCellPicture(raw, cells, dir.filePath(CSpriteSheet::kFileName2xCells), 1));
    CSpriteSheet sheet;
    ASSERT_TRUE(sheet.Load(dir.path()));
    sheet.Prefetch({QRect(72, 4, 64, 64), QRect(0, 0, 941, 1319)});   // a cell, and what no one cell holds
    EXPECT_EQ(Shown(sheet, {72, 4}, 64, 64), raw.copy(144, 8, 128, 128));
    EXPECT_EQ(Shown(sheet, {502, 86}, 48, 48), raw.copy(1004, 172, 96, 96));
    QImage pastTheEdge(40, 60, QImage::Format_RGB32);
    pastTheEdge.fill(Qt::black);
    QPainter(&pastTheEdge).drawImage(0, 0, raw.copy(1860, 2600, 22, 38));
    EXPECT_EQ(Shown(sheet, {930, 1300}, 20, 30), pastTheEdge) << "what lies inside the sheet, on black";
    EXPECT_EQ(sheet.Pixmap().toImage().convertToFormat(QImage::Format_RGB32), plain);
}
