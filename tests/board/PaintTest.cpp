// Each control copies exactly its value's cell of the sheet, opaque, at its top-left corner.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "BoardControls.h"

namespace {

// A sheet in which every pixel is unique, so a copied region tells where it came from.
QImage PatternSheet(int scale)
{
    QImage img(sprites::kSheetWidth * scale, sprites::kSheetHeight * scale, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, ((x >> 8) << 4) | (y >> 8)));
    return img;
}

class PaintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QDir(dir.path()).mkdir("images");
        ASSERT_TRUE(PatternSheet(1).save(dir.filePath(CSpriteSheet::kFileName)));
        ASSERT_TRUE(sheet.Load(dir.path()));
    }

    // What the widget shows, pixel for pixel.
    static QImage Shot(QWidget& w) { return w.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QImage Cell(sprites::Cell c, int w, int h) const
    {
        return sheet.Pixmap().toImage().convertToFormat(QImage::Format_RGB32).copy(c.x, c.y, w, h);
    }

    QTemporaryDir dir;
    CSpriteSheet sheet;
};

}  // namespace

TEST_F(PaintTest, EveryClassCopiesItsValuesCell)
{
    CGuessChip chip;
    chip.m_pSprites = &sheet;
    for (int v : {0, 3, 9, 13, 14, 15, 16}) {
        chip.m_nValue = v;
        EXPECT_EQ(Shot(chip), Cell(sprites::GuessChipCell(v), 64, 64)) << v;
    }
    CScoreChip pegChip;
    pegChip.m_pSprites = &sheet;
    EXPECT_EQ(Shot(pegChip), Cell({502, 86}, 48, 48));   // a new peg shows no match
    CCenterChip centre;
    centre.m_pSprites = &sheet;
    centre.m_nValue = 71;
    EXPECT_EQ(Shot(centre), Cell({492, 733}, 96, 96));
    CNumbers digit;
    digit.m_pSprites = &sheet;
    digit.m_nValue = 19;
    EXPECT_EQ(Shot(digit), Cell({798, 721}, 20, 29));
    CSideHoriz bar;
    bar.m_pSprites = &sheet;
    bar.m_nValue = 1;
    EXPECT_EQ(Shot(bar), Cell({464, 77}, 477, 5));
}

TEST_F(PaintTest, StretchedSidePieceShowsTheTopOfItsStrip)
{
    CSideVert side;
    side.m_pSprites = &sheet;
    side.m_nValue = 2;
    side.m_nStretch = 1;
    EXPECT_EQ(side.size(), QSize(5, 64));
    EXPECT_EQ(Shot(side), Cell({723, 0}, 5, 64));
}

TEST_F(PaintTest, NoSheetPaintsBlank)
{
    CSpriteSheet missing;
    EXPECT_FALSE(missing.Load(dir.filePath("nowhere")));
    CGuessChip chip;
    chip.m_nValue = 3;
    chip.m_pSprites = &missing;
    QImage black(64, 64, QImage::Format_RGB32);
    black.fill(Qt::black);
    EXPECT_EQ(Shot(chip), black);
    chip.m_pSprites = nullptr;
    EXPECT_EQ(Shot(chip), black);
}

TEST_F(PaintTest, CellsPastTheSheetStayBlack)
{
    // A value the game never writes can point past the sheet's edge.
    CCenterChip centre;
    centre.m_pSprites = &sheet;
    centre.m_nValue = 5 + 6 * 19;   // row 19 lies 51 pixels above the sheet's top
    const sprites::Cell c = sprites::CenterChipCell(centre.m_nValue);
    ASSERT_EQ(c.y, -51);
    const QImage shot = Shot(centre);
    EXPECT_EQ(shot.pixel(10, 50), qRgb(0, 0, 0));
    EXPECT_EQ(shot.copy(0, 51, 96, 45), Cell({c.x, 0}, 96, 45));
}

TEST_F(PaintTest, TheFocusRingIsTheMarkerTubeAroundAnUntouchedChip)
{
    CGuessChip chip;
    chip.m_pSprites = &sheet;
    chip.m_nValue = 9;
    const QImage plain = Shot(chip);
    chip.SetFocusMark(true);
    const QImage marked = Shot(chip);
    // Across the left edge, the five colours of the current row's side piece, outside in.
    for (int i = 0; i < 5; ++i) EXPECT_EQ(marked.pixel(i, 32), Cell({723 + i, 32}, 1, 1).pixel(0, 0)) << i;
    EXPECT_EQ(marked.copy(10, 10, 44, 44), plain.copy(10, 10, 44, 44));
    chip.SetFocusMark(false);
    EXPECT_EQ(Shot(chip), plain);
}
