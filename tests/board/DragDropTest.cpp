// Chip drags between slots: who may start one, what it carries, which cursor it shows, where it
// lands, and what the window is told.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDrag>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

#include "CChipDropSource.h"
#include "CGuessChip.h"
#include "CVantel2Dlg.h"
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

std::unique_ptr<QMimeData> Text(const QString& text)
{
    auto data = std::make_unique<QMimeData>();
    data->setText(text);
    return data;
}

// The answer a slot gives as a drag enters it and moves over it; both must agree. Qt hands the
// moves and the drop only to the widget that accepted the enter, so the drag leaves again after.
Qt::DropAction Hover(CGuessChip& slot, const QMimeData& data, Qt::DropActions offered = Qt::CopyAction)
{
    QDragEnterEvent enter(QPoint(32, 32), offered, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&slot, &enter);
    if (!enter.isAccepted()) return Qt::IgnoreAction;
    QDragMoveEvent move(QPoint(33, 32), offered, &data, Qt::LeftButton, Qt::NoModifier);
    move.ignore();   // the slot must answer afresh, whatever it said before
    QCoreApplication::sendEvent(&slot, &move);
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(&slot, &leave);
    EXPECT_TRUE(move.isAccepted());
    EXPECT_EQ(move.dropAction(), enter.dropAction());
    return enter.dropAction();
}

// A drag that enters the slot and is released there.
bool Drop(CGuessChip& slot, const QMimeData& data, Qt::DropActions offered = Qt::CopyAction)
{
    QDragEnterEvent enter(QPoint(32, 32), offered, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&slot, &enter);
    QDropEvent drop(QPointF(32, 32), offered, &data, Qt::LeftButton, Qt::NoModifier);
    if (!enter.isAccepted()) {
        // Qt delivers no drop here; the slot would refuse one all the same.
        EXPECT_FALSE(slot.m_dropTarget.OnDrop(slot, &data, drop.dropAction()));
        return false;
    }
    QCoreApplication::sendEvent(&slot, &drop);
    return drop.isAccepted();
}

void Press(CGuessChip& slot, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    QMouseEvent e(QEvent::MouseButtonPress, at, slot.mapToGlobal(at), button, button, Qt::NoModifier);
    QCoreApplication::sendEvent(&slot, &e);
}

void Move(CGuessChip& slot, QPoint to)
{
    QMouseEvent e(QEvent::MouseMove, to, slot.mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&slot, &e);
}

void Release(CGuessChip& slot, QPoint at)
{
    QMouseEvent e(QEvent::MouseButtonRelease, at, slot.mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                  Qt::NoModifier);
    QCoreApplication::sendEvent(&slot, &e);
}

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

TEST(ChipDropSource, CursorPicturesTheChipWhileItWouldLand)
{
    const int expected[13] = {142, 147, 138, 139, 141, 146, 137, 136, 143, 144, 140, 148, 145};
    for (int v = 0; v <= 12; ++v) {
        const CChipDropSource source(v);
        EXPECT_EQ(source.GiveFeedback(Qt::CopyAction), expected[v]) << v;
        EXPECT_EQ(source.GiveFeedback(Qt::MoveAction), expected[v]) << v;
        EXPECT_EQ(source.GiveFeedback(Qt::IgnoreAction), 142) << v;
        EXPECT_EQ(source.GiveFeedback(Qt::LinkAction), 142) << v;
    }
    for (int v : {-1, 13, 14, 15, 16})
        EXPECT_EQ(CChipDropSource(v).GiveFeedback(Qt::CopyAction), 142) << v;
}

TEST(ChipDropSource, CursorHangsBelowAndRightOfThePointer)
{
    if (!QFile::exists(":/art/cursor_136.png")) {
        // Without the art Qt's own drag cursors stand in; nothing may break.
        EXPECT_TRUE(CChipDropSource::CursorPixmap(136).isNull());
        QDrag drag(nullptr);
        CChipDropSource(7).SetCursors(drag);
        EXPECT_TRUE(drag.dragCursor(Qt::CopyAction).isNull());
        return;
    }
    const QImage art = QImage(":/art/cursor_136.png").convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(art.size(), QSize(32, 32));
    const QImage cursor = CChipDropSource::CursorPixmap(136).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(cursor.size(), QSize(64, 64));   // Qt puts the hotspot of a pixmap cursor at its centre
    EXPECT_EQ(cursor.copy(32, 32, 32, 32), art);
    for (const QRect& r : {QRect(0, 0, 64, 32), QRect(0, 32, 32, 32)})
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                ASSERT_EQ(qAlpha(cursor.pixel(x, y)), 0) << x << ',' << y;

    QDrag drag(nullptr);
    CChipDropSource(7).SetCursors(drag);
    EXPECT_EQ(drag.dragCursor(Qt::CopyAction).toImage().convertToFormat(QImage::Format_ARGB32), cursor);
    EXPECT_EQ(drag.dragCursor(Qt::MoveAction).toImage().convertToFormat(QImage::Format_ARGB32), cursor);
    const QImage noDrop = CChipDropSource::CursorPixmap(142).toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(drag.dragCursor(Qt::IgnoreAction).toImage().convertToFormat(QImage::Format_ARGB32), noDrop);
    EXPECT_NE(noDrop, cursor);
}

// Drops on the real main window, with the real game behind it.
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
