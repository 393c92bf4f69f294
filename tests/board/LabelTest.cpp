// The numbers the L key puts on the chips: drawn into a copy of the sheet once, each in its chip's
// corner, at any scale.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include "BoardControls.h"

namespace {

// A sheet of one grey: whatever a control shows beyond it was drawn over the sheet.
class LabelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QImage grey(sprites::kSheetWidth, sprites::kSheetHeight, QImage::Format_RGB32);
        grey.fill(qRgb(128, 128, 128));
        QDir(dir.path()).mkdir("images");
        ASSERT_TRUE(grey.save(dir.filePath(CSpriteSheet::kFileName)));
        ASSERT_TRUE(sheet.Load(dir.path()));
        sheet.SetLabels(true);
        chip.m_pSprites = &sheet;
        pool.m_pSprites = &sheet;
    }
    QImage Chip(int v)
    {
        chip.m_nValue = v;
        return chip.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    QImage Pool(int v)
    {
        pool.m_nValue = v;
        return pool.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    static QImage Grey(QSize size)
    {
        QImage grey(size, QImage::Format_RGB32);
        grey.fill(qRgb(128, 128, 128));
        return grey;
    }

    QTemporaryDir dir;
    CSpriteSheet sheet;
    CGuessChip chip;
    CCenterChip pool;
};

}  // namespace

TEST_F(LabelTest, EveryChipCarriesTheNumberOfItsShapeOrColour)
{
    for (int v = 1; v <= 6; ++v) {
        EXPECT_NE(Chip(v), Grey(chip.size())) << v;
        EXPECT_EQ(Chip(v), Chip(v + 6)) << v;   // shape v and colour v carry one number
        if (v < 6) {
            EXPECT_NE(Chip(v), Chip(v + 1)) << v;
        }
    }
    for (int v : {0, 13, 14, 15, 16}) EXPECT_EQ(Chip(v), Grey(chip.size())) << v;
    // Pool chips carry their colour's number: alike along a row, different from row to row.
    for (int i = 0; i < 36; ++i) {
        EXPECT_EQ(Pool(i), Pool(i / 6 * 6)) << i;
        if (i < 30) {
            EXPECT_NE(Pool(i), Pool(i + 6)) << i;
        }
        EXPECT_NE(Pool(i), Pool(i + 36)) << i;   // dimmed once eliminated
        EXPECT_NE(Pool(i + 36), Grey(pool.size())) << i;
    }
    sheet.SetLabels(false);
    EXPECT_EQ(Chip(3), Grey(chip.size()));
    EXPECT_EQ(Pool(3), Grey(pool.size()));
}

TEST_F(LabelTest, LabelsStayInTheChipsCornerAtASmallerScale)
{
    sheet.SetScale(0.8);
    chip.resize(51, 51);
    const QImage shown = Chip(4);
    const QImage grey = Grey(chip.size());
    EXPECT_EQ(shown.copy(0, 0, 30, 51), grey.copy(0, 0, 30, 51));
    EXPECT_NE(shown.copy(30, 30, 21, 21), grey.copy(30, 30, 21, 21));
}
