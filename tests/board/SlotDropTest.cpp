// Chip drags between slots: who may start one, what it carries, where it lands, and what the
// window is told.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMimeData>
#include <QWidget>

#include <memory>

#include "CGuessChip.h"
#include "DropEvents.h"
#include "VantelEvents.h"

namespace {

// A window that only counts the drop notifications it receives.
class NewsCounter : public QWidget {
public:
    int shapes = 0;
    int colors = 0;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == UM_SHAPES_DROP) ++shapes;
        if (e->type() == UM_COLORS_DROP) ++colors;
        return QWidget::event(e);
    }
};

// Slots standing on a counting window, set up as a round in play sets them.
class SlotTest : public ::testing::Test {
protected:
    CGuessChip& Slot(int board, int kind, int value, int dragSource, int dropTarget)
    {
        auto* s = new CGuessChip(&window);
        s->m_nBoard = board;
        s->m_nSlotKind = kind;
        s->m_nValue = value;
        s->m_bDragSource = dragSource;
        s->m_bDropTarget = dropTarget;
        return *s;
    }
    CGuessChip& Tray(int board, int value) { return Slot(board, slotkind::kTray, value, 1, 0); }
    CGuessChip& CurrentRowSlot(int board) { return Slot(board, slotkind::kGuess, chipvalue::kEmpty, 1, 1); }

    NewsCounter window;
};

}  // namespace

TEST_F(SlotTest, BlueChipLandsOnTheColorsRowAndTheWindowHearsOnce)
{
    CGuessChip& tray = Tray(board::kColors, 7);
    CGuessChip& slot = CurrentRowSlot(board::kColors);
    const std::unique_ptr<QMimeData> data = tray.CreateDragData();
    ASSERT_TRUE(data);
    EXPECT_EQ(data->text(), "7");
    EXPECT_EQ(Hover(slot, *data), Qt::CopyAction);
    EXPECT_TRUE(Drop(slot, *data));
    EXPECT_EQ(slot.m_nValue, 7);
    EXPECT_EQ(tray.m_nValue, 7);
    EXPECT_EQ(window.colors, 1);
    EXPECT_EQ(window.shapes, 0);
}

TEST_F(SlotTest, ChipsStayOnTheirOwnBoard)
{
    CGuessChip& shapesSlot = CurrentRowSlot(board::kShapes);
    CGuessChip& colorsSlot = CurrentRowSlot(board::kColors);
    const std::unique_ptr<QMimeData> blue = Tray(board::kColors, 7).CreateDragData();
    const std::unique_ptr<QMimeData> star = Tray(board::kShapes, 1).CreateDragData();
    EXPECT_EQ(Hover(shapesSlot, *blue), Qt::IgnoreAction);
    EXPECT_FALSE(Drop(shapesSlot, *blue));
    EXPECT_EQ(Hover(colorsSlot, *star), Qt::IgnoreAction);
    EXPECT_FALSE(Drop(colorsSlot, *star));
    EXPECT_EQ(shapesSlot.m_nValue, chipvalue::kEmpty);
    EXPECT_EQ(colorsSlot.m_nValue, chipvalue::kEmpty);
    EXPECT_EQ(window.shapes + window.colors, 0);

    EXPECT_TRUE(Drop(shapesSlot, *star));
    EXPECT_EQ(shapesSlot.m_nValue, 1);
    EXPECT_EQ(window.shapes, 1);
    EXPECT_EQ(window.colors, 0);
}

TEST_F(SlotTest, DropOnAFilledSlotReplacesAndNotifiesAgain)
{
    CGuessChip& slot = CurrentRowSlot(board::kColors);
    slot.m_nValue = 9;
    EXPECT_TRUE(Drop(slot, *Text("11")));
    EXPECT_EQ(slot.m_nValue, 11);
    EXPECT_TRUE(Drop(slot, *slot.CreateDragData()));   // a chip of the row onto its own slot
    EXPECT_EQ(slot.m_nValue, 11);
    EXPECT_EQ(window.colors, 2);
}

TEST_F(SlotTest, OwnTraySlotKeepsTheChipCursorButTakesNothing)
{
    CGuessChip& tray = Tray(board::kColors, 8);
    CGuessChip& neighbour = Tray(board::kColors, 9);
    const std::unique_ptr<QMimeData> data = tray.CreateDragData();
    EXPECT_EQ(tray.m_dropTarget.OnDragOver(tray, data.get(), Qt::CopyAction), Qt::MoveAction);
    EXPECT_NE(Hover(tray, *data), Qt::IgnoreAction);   // Qt turns an unoffered move into the copy
    EXPECT_EQ(Hover(neighbour, *data), Qt::IgnoreAction);
    EXPECT_FALSE(Drop(tray, *data));
    EXPECT_EQ(tray.m_nValue, 8);
    EXPECT_EQ(window.colors, 0);
}

TEST_F(SlotTest, OnlyChipsOfTheSlotsBoardCanBeDragged)
{
    EXPECT_EQ(Tray(board::kShapes, 1).CreateDragData()->text(), "1");
    EXPECT_EQ(Tray(board::kColors, 11).CreateDragData()->text(), "11");
    EXPECT_EQ(Slot(board::kShapes, slotkind::kGuess, 6, 1, 0).CreateDragData()->text(), "6");
    for (int v : {-1, 0, 13, 14, 15, 16, 17, 99}) {
        EXPECT_FALSE(Tray(board::kShapes, v).MayStartDrag()) << v;
        EXPECT_FALSE(Tray(board::kColors, v).MayStartDrag()) << v;
        EXPECT_FALSE(Tray(board::kColors, v).CreateDragData()) << v;
    }
    EXPECT_FALSE(Tray(board::kShapes, 7).MayStartDrag());    // a colour on the SHAPES board
    EXPECT_FALSE(Tray(board::kColors, 6).MayStartDrag());    // a shape on the COLORS board
    EXPECT_FALSE(Slot(board::kShapes, slotkind::kTray, 3, 0, 0).MayStartDrag());   // board closed
    EXPECT_FALSE(Slot(board::kShapes, slotkind::kCode, 3, 0, 0).CreateDragData());  // revealed code
}

TEST_F(SlotTest, SlotsThatTakeNoDropsRefuseEveryChip)
{
    CGuessChip& code = Slot(board::kColors, slotkind::kCode, chipvalue::kHiddenCode, 0, 0);
    CGuessChip& earlierRow = Slot(board::kColors, slotkind::kGuess, 10, 1, 0);
    CGuessChip& outOfPlay = Slot(board::kColors, slotkind::kGuess, chipvalue::kSlotOutOfPlay, 0, 0);
    for (CGuessChip* s : {&code, &earlierRow, &outOfPlay}) {
        const int before = s->m_nValue;
        EXPECT_EQ(Hover(*s, *Text("7")), Qt::IgnoreAction);
        EXPECT_FALSE(Drop(*s, *Text("7")));
        EXPECT_EQ(s->m_nValue, before);
    }
    EXPECT_EQ(window.colors, 0);
}

TEST_F(SlotTest, TextFromOtherProgramsMustNameAChipOfTheBoard)
{
    CGuessChip& slot = CurrentRowSlot(board::kColors);
    EXPECT_TRUE(Drop(slot, *Text(" 12\n")));
    EXPECT_EQ(slot.m_nValue, 12);
    const QString refused[] = {
        "", "0", "-7", "+7", "3", "13", "16", "abc", "7 8", "99999999999999999999999", QString(500, '7'),
        QString::fromLatin1("7\0" "8", 3),
    };
    for (const QString& text : refused) {
        EXPECT_EQ(Hover(slot, *Text(text)), Qt::IgnoreAction) << text.toStdString();
        EXPECT_FALSE(Drop(slot, *Text(text))) << text.toStdString();
    }
    QMimeData noText;
    noText.setData("application/octet-stream", "7");
    noText.setHtml("<b>7</b>");
    EXPECT_FALSE(Drop(slot, noText));
    QMimeData link;
    link.setUrls({QUrl("file:///7")});
    EXPECT_FALSE(Drop(slot, link));
    EXPECT_EQ(slot.m_nValue, 12);
    EXPECT_EQ(window.colors, 1);
}

TEST_F(SlotTest, ADropThatWouldTakeTheTextAwayIsRefused)
{
    // A program offering only to move its text would lose it; chips are only ever copied.
    CGuessChip& slot = CurrentRowSlot(board::kShapes);
    EXPECT_EQ(Hover(slot, *Text("2"), Qt::MoveAction), Qt::IgnoreAction);
    EXPECT_FALSE(Drop(slot, *Text("2"), Qt::MoveAction));
    EXPECT_EQ(Hover(slot, *Text("2"), Qt::CopyAction | Qt::MoveAction), Qt::CopyAction);
    EXPECT_EQ(slot.m_nValue, chipvalue::kEmpty);
    EXPECT_EQ(window.shapes, 0);
}

TEST_F(SlotTest, AClickWithoutAMoveStartsNoDrag)
{
    CGuessChip& tray = Tray(board::kShapes, 4);
    Press(tray, {20, 20});
    EXPECT_TRUE(tray.IsDragPending());
    Move(tray, {22, 21});   // within the platform's drag distance
    EXPECT_TRUE(tray.IsDragPending());
    Release(tray, {22, 21});
    EXPECT_FALSE(tray.IsDragPending());

    Press(tray, {20, 20}, Qt::RightButton);
    EXPECT_FALSE(tray.IsDragPending());
    CGuessChip& empty = CurrentRowSlot(board::kShapes);
    Press(empty, {20, 20});
    EXPECT_FALSE(empty.IsDragPending());
    Release(empty, {20, 20});
}
