// Drops on the real main window, with the real game behind it: the window hears of each, offers
// GUESS for a full row and keeps each board to itself.
#include <gtest/gtest.h>

#include <QMimeData>
#include <QTemporaryDir>

#include <memory>

#include "CVantel2Dlg.h"
#include "DropEvents.h"

namespace {

class WindowDropTest : public ::testing::Test {
protected:
    CBoardView& Board(int b) { return dlg.Controls().boards[b]; }
    CGuessChip& GuessSlot(int b, int row, int k) { return Board(b).guess[board::kSlots * row + k]; }

    // Drags the tray's chips `values` into the board's current row, slot by slot.
    void FillRow(int b, const int (&values)[4])
    {
        const int row = b == board::kShapes ? game().m_nShapesRow : game().m_nColorsRow;
        for (int k = 0; k < game().m_nCodeLength; ++k) {
            const int first = b == board::kShapes ? 1 : 7;
            const std::unique_ptr<QMimeData> data = Board(b).tray[values[k] - first].CreateDragData();
            ASSERT_TRUE(data);
            ASSERT_TRUE(Drop(GuessSlot(b, row, k), *data)) << k;
        }
    }
    CGameEngine& game() { return dlg.Game(); }

    QTemporaryDir data;
    QTemporaryDir app;
    CVantel2Dlg dlg{data.path(), app.path()};
};

}  // namespace

TEST_F(WindowDropTest, AFullRowOffersGuess)
{
    const int blueToYellow[4] = {7, 8, 9, 11};
    CBitmapButton& guess = Board(board::kColors).guessButtons[0];
    EXPECT_FALSE(guess.isVisibleTo(&dlg));
    const std::unique_ptr<QMimeData> blue = Board(board::kColors).tray[0].CreateDragData();
    ASSERT_TRUE(Drop(GuessSlot(board::kColors, 0, 0), *blue));
    EXPECT_EQ(game().m_nColorsGuess[0][0], 1);
    EXPECT_EQ(game().m_bColorsRowFull, 0);
    EXPECT_FALSE(guess.isVisibleTo(&dlg));
    FillRow(board::kColors, blueToYellow);
    EXPECT_EQ(game().m_bColorsRowFull, 1);
    EXPECT_TRUE(guess.isVisibleTo(&dlg));
    for (int k = 0; k < 4; ++k) EXPECT_EQ(game().m_nColorsGuess[0][k], blueToYellow[k] - 6);
    EXPECT_EQ(Board(board::kColors).tray[0].m_nValue, 7);   // the tray keeps its chips
}

TEST_F(WindowDropTest, TheOtherBoardIsNeverTouched)
{
    const int stars[4] = {1, 1, 1, 1};
    int before[board::kGuessSlots];
    for (int i = 0; i < board::kGuessSlots; ++i) before[i] = Board(board::kColors).guess[i].m_nValue;
    FillRow(board::kShapes, stars);
    EXPECT_EQ(game().m_bShapesRowFull, 1);
    EXPECT_EQ(game().m_bColorsRowFull, 0);
    EXPECT_EQ(game().m_nColorsRow, 0);
    for (int i = 0; i < board::kGuessSlots; ++i)
        EXPECT_EQ(Board(board::kColors).guess[i].m_nValue, before[i]) << i;
    for (int k = 0; k < 4; ++k) EXPECT_EQ(game().m_nColorsGuess[0][k], 0);
    // Every COLORS slot turns the stars away.
    const std::unique_ptr<QMimeData> star = Board(board::kShapes).tray[0].CreateDragData();
    for (CGuessChip& s : Board(board::kColors).guess) EXPECT_FALSE(Drop(s, *star));
}

TEST_F(WindowDropTest, ChipsOfAnEarlierRowCopyIntoTheCurrentOne)
{
    const int code[4] = {game().m_nCodeColors[0] + 6, game().m_nCodeColors[1] + 6,
                         game().m_nCodeColors[2] + 6, game().m_nCodeColors[3] + 6};
    // A miss: every slot one colour further on.
    int miss[4];
    for (int k = 0; k < 4; ++k) miss[k] = 7 + (code[k] - 7 + 1) % 6;
    FillRow(board::kColors, miss);
    game().OnColorsGuess();
    ASSERT_EQ(game().m_nColorsRow, 1);
    CGuessChip& earlier = GuessSlot(board::kColors, 0, 2);
    EXPECT_FALSE(Drop(earlier, *Text("7")));   // the evaluated row takes no more chips
    const std::unique_ptr<QMimeData> data = earlier.CreateDragData();
    ASSERT_TRUE(data);
    EXPECT_TRUE(Drop(GuessSlot(board::kColors, 1, 0), *data));
    EXPECT_EQ(GuessSlot(board::kColors, 1, 0).m_nValue, miss[2]);
    EXPECT_EQ(earlier.m_nValue, miss[2]);
    EXPECT_EQ(game().m_nColorsGuess[1][0], miss[2] - 6);
}

TEST_F(WindowDropTest, AClosedBoardNeitherGivesNorTakes)
{
    const int code[4] = {game().m_nCodeShapes[0], game().m_nCodeShapes[1], game().m_nCodeShapes[2],
                         game().m_nCodeShapes[3]};
    FillRow(board::kShapes, code);
    game().OnShapesGuess();
    ASSERT_EQ(game().m_bShapesClosed, 1);
    CBoardView& shapes = Board(board::kShapes);
    for (CGuessChip& s : shapes.tray) EXPECT_FALSE(s.MayStartDrag());
    for (CGuessChip& s : shapes.guess) {
        EXPECT_FALSE(s.MayStartDrag());
        EXPECT_FALSE(Drop(s, *Text("1")));
    }
    for (CGuessChip& s : shapes.code) EXPECT_FALSE(Drop(s, *Text("1")));
    // The code revealed above the COLORS board is shown, not handed out.
    for (CGuessChip& s : Board(board::kColors).code) EXPECT_FALSE(s.MayStartDrag());
    EXPECT_EQ(game().m_nShapesRow, 0);
    // The COLORS board plays on.
    EXPECT_TRUE(Board(board::kColors).tray[2].MayStartDrag());
    EXPECT_TRUE(Drop(GuessSlot(board::kColors, 0, 3), *Text("9")));
}
