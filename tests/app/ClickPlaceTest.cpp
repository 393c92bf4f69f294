// Chips placed by clicks on the real window: each click lands through the drop a drag makes, or
// changes nothing.
#include <gtest/gtest.h>

#include <QTest>

#include <vector>

#include "DialogPlayer.h"

namespace {

const int S = board::kShapes;
const int C = board::kColors;

void Click(CGuessChip& chip, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(&chip, button, Qt::NoModifier, QPoint(10, 10));
}

std::vector<int> Row(DialogPlayer& p, int b, int row)
{
    std::vector<int> values;
    for (int k = 0; k < board::kSlots; ++k) values.push_back(p.Board(b).guess[4 * row + k].m_nValue);
    return values;
}

}  // namespace

TEST(ClickPlace, TrayClicksFillTheCurrentRowFromItsFirstEmptySlotThroughTheDrop)
{
    DialogPlayer p;
    Click(p.Board(S).tray[2]);
    Click(p.Board(S).tray[0]);
    Click(p.Board(C).tray[5]);
    EXPECT_EQ(Row(p, S, 0), (std::vector<int>{3, 1, 0, 0}));
    EXPECT_EQ(Row(p, C, 0), (std::vector<int>{12, 0, 0, 0}));
    EXPECT_EQ(p.Drops(), 3);
    EXPECT_EQ(p.Game().m_nShapesGuess[0][1], 1);   // the game heard of it
    EXPECT_EQ(p.Board(S).tray[2].m_nValue, 3);     // the tray keeps its chips
    Click(p.Board(S).tray[3]);
    Click(p.Board(S).tray[3]);
    EXPECT_EQ(Row(p, S, 0), (std::vector<int>{3, 1, 4, 4}));
    EXPECT_EQ(p.Game().m_bShapesRowFull, 1);
    EXPECT_FALSE(p.Board(S).guessButtons[0].isHidden());
}

TEST(ClickPlace, AClickLandsOnTheRingWhereTheRingStandsInThatBoardsRow)
{
    DialogPlayer p;
    p.Keys({Qt::Key_Right, Qt::Key_Right});   // the ring on the SHAPES row's third slot
    Click(p.Board(S).tray[4]);
    Click(p.Board(C).tray[1]);   // the ring is on the other board: the first empty slot
    EXPECT_EQ(Row(p, S, 0), (std::vector<int>{0, 0, 5, 0}));
    EXPECT_EQ(Row(p, C, 0), (std::vector<int>{8, 0, 0, 0}));
    Click(p.Board(S).tray[1]);   // the ring moved on as after a key, so clicks fill the row
    EXPECT_EQ(Row(p, S, 0), (std::vector<int>{0, 0, 5, 2}));
    EXPECT_EQ(p.Drops(), 3);
}

TEST(ClickPlace, AClickOnAnEarlierRowsChipCopiesItIntoTheCurrentRow)
{
    DialogPlayer p;
    p.Miss(S);
    ASSERT_EQ(p.Row(S), 1);
    const std::vector<int> first = Row(p, S, 0);
    Click(p.Board(S).guess[2]);
    Click(p.Board(S).guess[0]);
    EXPECT_EQ(Row(p, S, 1), (std::vector<int>{first[2], first[0], 0, 0}));
    EXPECT_EQ(Row(p, S, 0), first);
}

TEST(ClickPlace, AClickOnAChipOfTheCurrentRowPicksItsSlotForTheNextChipWhichReplacesIt)
{
    DialogPlayer p;
    p.Miss(S);   // the second row is current; the first holds chips to copy
    const std::vector<int> first = Row(p, S, 0);
    const int drops = p.Drops();
    for (CGuessChip* chip : {&p.Board(S).tray[0], &p.Board(S).tray[1], &p.Board(S).tray[2]}) Click(*chip);
    Click(p.Board(S).guess[4 + 1]);   // picked: the ring shows there, and nothing lands
    EXPECT_TRUE(p.Board(S).guess[4 + 1].HasFocusMark());
    EXPECT_EQ(Row(p, S, 1), (std::vector<int>{1, 2, 3, 0}));
    Click(p.Board(S).tray[4]);
    EXPECT_EQ(Row(p, S, 1), (std::vector<int>{1, 5, 3, 0}));
    EXPECT_TRUE(p.Board(S).guess[4 + 3].HasFocusMark());   // on where the next click puts its chip
    Click(p.Board(S).tray[5]);
    Click(p.Board(S).guess[4 + 2]);   // a full row mends too, and from an earlier row's chip
    Click(p.Board(S).guess[0]);
    EXPECT_EQ(Row(p, S, 1), (std::vector<int>{1, 5, first[0], 6}));
    EXPECT_EQ(Row(p, S, 0), first);
    EXPECT_EQ(p.Drops() - drops, 6);
}

TEST(ClickPlace, EmptySlotsFillBeforeTheRingsChipIsReplacedUnlessThePlayerPickedIt)
{
    DialogPlayer p;
    p.Keys({Qt::Key_1, Qt::Key_2, Qt::Key_Left});   // the ring on the second chip, moved there by keys
    Click(p.Board(S).tray[3]);
    EXPECT_EQ(Row(p, S, 0), (std::vector<int>{1, 2, 4, 0}));
    Click(p.Board(S).guess[0]);
    Click(p.Board(C).tray[0]);   // the other board's row is filled as ever
    Click(p.Board(S).tray[5]);
    EXPECT_EQ(Row(p, S, 0), (std::vector<int>{6, 2, 4, 0}));
    EXPECT_EQ(Row(p, C, 0), (std::vector<int>{7, 0, 0, 0}));
}

TEST(ClickPlace, AClickTheBoardWouldRefuseChangesNothing)
{
    DialogPlayer p;
    p.Fill(S, {1, 2, 3, 4});
    const int drops = p.Drops();
    std::vector<int> before = Snapshot(p.dlg);
    Click(p.Board(S).tray[5]);                     // a full row, no ring
    Click(p.Board(S).guess[1]);                    // a chip of the current row is picked, not placed
    Click(p.Board(C).tray[0], Qt::RightButton);    // not the button that places
    Click(p.Board(C).guess[0]);                    // an empty slot gives nothing
    EXPECT_EQ(Snapshot(p.dlg), before);
    EXPECT_EQ(p.Drops(), drops);

    p.Solve(C);   // a closed board neither gives nor takes
    before = Snapshot(p.dlg);
    Click(p.Board(C).tray[0]);
    Click(p.Board(C).guess[0]);
    EXPECT_EQ(Snapshot(p.dlg), before);
}
