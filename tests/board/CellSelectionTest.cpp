#include <gtest/gtest.h>

#include "SpriteGeometry.h"

using sprites::Cell;

TEST(CellSelection, ChipSlots)
{
    EXPECT_EQ(sprites::GuessChipCell(0), (Cell{742, 2}));
    EXPECT_EQ(sprites::GuessChipCell(13), (Cell{742, 2}));   // a hidden code chip looks empty
    EXPECT_EQ(sprites::GuessChipCell(-7), (Cell{742, 2}));
    for (int v = 1; v <= 6; ++v) EXPECT_EQ(sprites::GuessChipCell(v), (Cell{2 + 66 * (v - 1), 2}));
    for (int v = 7; v <= 12; ++v) EXPECT_EQ(sprites::GuessChipCell(v), (Cell{2 + 66 * (v - 7), 68}));
    EXPECT_EQ(sprites::GuessChipCell(14), (Cell{398, 2}));
    EXPECT_EQ(sprites::GuessChipCell(15), (Cell{398, 68}));
    EXPECT_EQ(sprites::GuessChipCell(16), (Cell{808, 2}));
    EXPECT_EQ(sprites::GuessChipCell(17), (Cell{662, 2}));   // never written: continues along the shape row
}

TEST(CellSelection, Pegs)
{
    EXPECT_EQ(sprites::ScoreChipCell(0), (Cell{652, 86}));
    EXPECT_EQ(sprites::ScoreChipCell(1), (Cell{502, 86}));
    EXPECT_EQ(sprites::ScoreChipCell(2), (Cell{552, 86}));
    EXPECT_EQ(sprites::ScoreChipCell(3), (Cell{602, 86}));
    EXPECT_EQ(sprites::ScoreChipCell(4), (Cell{652, 86}));
}

TEST(CellSelection, PoolChips)
{
    EXPECT_EQ(sprites::CenterChipCell(0), (Cell{2, 635}));
    EXPECT_EQ(sprites::CenterChipCell(5), (Cell{492, 635}));
    EXPECT_EQ(sprites::CenterChipCell(30), (Cell{2, 145}));
    EXPECT_EQ(sprites::CenterChipCell(35), (Cell{492, 145}));
    EXPECT_EQ(sprites::CenterChipCell(36), (Cell{2, 1223}));
    EXPECT_EQ(sprites::CenterChipCell(71), (Cell{492, 733}));
    for (int i = 0; i < 36; ++i) {
        const Cell a = sprites::CenterChipCell(i), e = sprites::CenterChipCell(i + 36);
        EXPECT_EQ(a.x, e.x);
        EXPECT_EQ(e.y, 1223 - 98 * (i / 6));
    }
}

TEST(CellSelection, DigitsAndFrames)
{
    EXPECT_EQ(sprites::NumbersCell(0), (Cell{600, 690}));
    EXPECT_EQ(sprites::NumbersCell(9), (Cell{798, 690}));
    EXPECT_EQ(sprites::NumbersCell(19), (Cell{798, 721}));
    EXPECT_EQ(sprites::NumbersCell(20), (Cell{600, 752}));
    EXPECT_EQ(sprites::NumbersCell(29), (Cell{798, 752}));
    EXPECT_EQ(sprites::NumbersCell(30), (Cell{820, 690}));
    EXPECT_EQ(sprites::SideVertCell(0), (Cell{709, 0}));
    EXPECT_EQ(sprites::SideVertCell(2), (Cell{723, 0}));
    EXPECT_EQ(sprites::SideHorizCell(0), (Cell{464, 70}));
    EXPECT_EQ(sprites::SideHorizCell(1), (Cell{464, 77}));
    EXPECT_EQ(sprites::SideVertSize(1).h, 70);
    EXPECT_EQ(sprites::SideVertSize(0).h, 64);
}
