// On a screen of twice the density (QT_SCALE_FACTOR=2) every picture comes from art drawn at twice
// the resolution, copied pixel for pixel, never from the plain art scaled up.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>

#include "BoardControls.h"
#include "CVantel2Dlg.h"

namespace {

// Every pixel tells where it came from; `salt` keeps the two sheets apart.
QImage PatternSheet(int scale, int salt)
{
    QImage img(sprites::kSheetWidth * scale, sprites::kSheetHeight * scale, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, qRgb((x + salt) & 0xFF, y & 0xFF, ((x >> 8) << 4) | (y >> 8)));
    return img;
}

QImage Rgb(const QImage& i) { return i.convertToFormat(QImage::Format_RGB32); }

class HighDpiTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        plain = new QImage(PatternSheet(1, 0));
        sharp = new QImage(PatternSheet(2, 77));
    }
    static void TearDownTestSuite()
    {
        delete plain;
        delete sharp;
    }

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QDir(dir.path()).mkdir("images");
        ASSERT_TRUE(plain->save(dir.filePath(CSpriteSheet::kFileName)));
    }
    void WriteSharp(const QImage& img) { ASSERT_TRUE(img.save(dir.filePath(CSpriteSheet::kFileName2x))); }

    // What the widget shows, in device pixels.
    static QImage Shot(QWidget& w)
    {
        const QPixmap shot = w.grab();
        EXPECT_EQ(shot.devicePixelRatio(), 2.0);
        return Rgb(shot.toImage());
    }
    static QImage SharpCell(sprites::Cell c, int w, int h)
    {
        return sharp->copy(2 * c.x, 2 * c.y, 2 * w, 2 * h);
    }

    static QImage* plain;
    static QImage* sharp;
    QTemporaryDir dir;
    CSpriteSheet sheet;
};

QImage* HighDpiTest::plain = nullptr;
QImage* HighDpiTest::sharp = nullptr;

}  // namespace

TEST_F(HighDpiTest, TheScreenIsTwiceAsDense)
{
    // Without this every other case here would prove nothing.
    EXPECT_EQ(qApp->devicePixelRatio(), 2.0);
}

TEST_F(HighDpiTest, ControlsCopyTheSharpSheetsCells)
{
    WriteSharp(*sharp);
    ASSERT_TRUE(sheet.Load(dir.path()));
    CGuessChip chip;
    chip.m_pSprites = &sheet;
    for (int v : {0, 3, 9, 14, 16}) {
        chip.m_nValue = v;
        EXPECT_EQ(Shot(chip), SharpCell(sprites::GuessChipCell(v), 64, 64)) << v;
    }
    CScoreChip pegChip;
    pegChip.m_pSprites = &sheet;
    pegChip.m_nValue = 3;
    EXPECT_EQ(Shot(pegChip), SharpCell({602, 86}, 48, 48));
    CCenterChip centre;
    centre.m_pSprites = &sheet;
    centre.m_nValue = 71;
    EXPECT_EQ(Shot(centre), SharpCell({492, 733}, 96, 96));
    CNumbers digit;
    digit.m_pSprites = &sheet;
    digit.m_nValue = 29;
    EXPECT_EQ(Shot(digit), SharpCell({798, 752}, 20, 29));
    CSideVert side;
    side.m_pSprites = &sheet;
    side.m_nValue = 2;
    side.m_nStretch = 1;
    EXPECT_EQ(Shot(side), SharpCell({723, 0}, 5, 64));
    CSideHoriz bar;
    bar.m_pSprites = &sheet;
    bar.m_nValue = 1;
    EXPECT_EQ(Shot(bar), SharpCell({464, 77}, 477, 5));
}

TEST_F(HighDpiTest, WithoutAMatchingSharpSheetThePlainCellIsDoubled)
{
    // A sharp sheet of the wrong size would put every cell in the wrong place: it is ignored.
    WriteSharp(sharp->copy(0, 0, sharp->width() - 2, sharp->height()));
    ASSERT_TRUE(sheet.Load(dir.path()));
    CGuessChip chip;
    chip.m_pSprites = &sheet;
    chip.m_nValue = 9;
    const sprites::Cell c = sprites::GuessChipCell(9);
    EXPECT_EQ(Shot(chip), plain->copy(c.x, c.y, 64, 64).scaled(128, 128));
}

TEST_F(HighDpiTest, ButtonsShowTheirSharpPictures)
{
    const QImage up(":/art/GUESSU.png");
    const QImage upSharp(":/art/GUESSU@2x.png");
    const QImage downSharp(":/art/GUESSD@2x.png");
    ASSERT_FALSE(up.isNull());
    ASSERT_EQ(upSharp.size(), up.size() * 2);
    CBitmapButton button;
    ASSERT_TRUE(button.AutoLoad("GUESS"));
    EXPECT_EQ(button.size(), up.size());   // the button keeps its place and size on the board
    EXPECT_EQ(Shot(button), Rgb(upSharp));
    button.setDown(true);
    EXPECT_EQ(Shot(button), Rgb(downSharp));
}

TEST_F(HighDpiTest, TheWindowsPicturesAreSharp)
{
    QTemporaryDir data;
    CVantel2Dlg dlg(data.path(), dir.path());
    const QList<QLabel*> pictures = dlg.findChildren<QLabel*>();
    ASSERT_FALSE(pictures.isEmpty());
    for (QLabel* p : pictures) {
        const QPixmap shown = p->pixmap();
        EXPECT_EQ(shown.devicePixelRatio(), 2.0);
        EXPECT_EQ(p->size(), shown.deviceIndependentSize().toSize());
    }
    const QImage shapesSharp = Rgb(QImage(":/art/label_shapes@2x.png"));
    int shown = 0;
    for (QLabel* p : pictures) shown += Rgb(p->pixmap().toImage()) == shapesSharp ? 1 : 0;
    EXPECT_EQ(shown, 1) << "the SHAPES label shows its sharp picture";
}
