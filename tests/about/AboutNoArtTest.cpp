// The High Scores window in a program built without the window's images: every picture keeps the
// place it was drawn for, black, and the window works as ever.
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>

#include "CAboutDlg.h"
#include "MainLayout.h"

TEST(AboutWithoutArt, PicturesKeepTheirPlacesAndTheButtonsStillWork)
{
    ASSERT_TRUE(QPixmap(QStringLiteral(":/art/photo.png")).isNull()) << "this program must not carry the art";
    QTemporaryDir data;
    QTemporaryDir app;
    QWidget owner;
    CAboutDlg dlg(std::filesystem::path(QFile::encodeName(data.path()).toStdString()), app.path(), &owner);
    dlg.show();
    for (const aboutlayout::Entry& e : aboutlayout::AboutLayout()) {
        if (e.kind == aboutlayout::Kind::Digit) continue;
        const QRect planned(layout::DuToPxX(e.x), layout::DuToPxY(e.y), layout::DuToPxX(e.w),
                            layout::DuToPxY(e.h));
        if (e.id != 0) {
            EXPECT_EQ(dlg.Control(e.id)->geometry(), planned) << e.id;
        }
    }
    int pictures = 0;
    for (const QLabel* l : dlg.findChildren<QLabel*>()) pictures += l->size() == QSize(261, 570);
    EXPECT_EQ(pictures, 1);   // the photograph's place: 174 by 351 units
    QTest::mouseClick(dlg.Control(1277), Qt::LeftButton);
    EXPECT_EQ(dlg.SelectedVariant(), 0);
    EXPECT_TRUE(dlg.Control(1275)->isVisible());
    const QImage shot = dlg.grab().toImage();
    EXPECT_EQ(shot.pixelColor(10, 10), QColor(Qt::black));
}
