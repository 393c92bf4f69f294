#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "CVantel2Dlg.h"

namespace {

class DialogTest : public ::testing::Test {
protected:
    QTemporaryDir data;
    QTemporaryDir app;   // no sprite sheet in it
};

}  // namespace

TEST_F(DialogTest, EveryControlStandsAtItsPlace)
{
    CVantel2Dlg dlg(data.path(), app.path());
    EXPECT_EQ(dlg.windowTitle(), "Vantel");
    EXPECT_EQ(dlg.size(), QSize(1571, 809));
    EXPECT_EQ(dlg.minimumSize(), dlg.maximumSize());
    int found = 0;
    for (const layout::Entry& e : layout::MainLayout()) {
        if (e.id == 0) continue;
        QWidget* w = dlg.Control(e.id);
        ASSERT_NE(w, nullptr) << e.id;
        EXPECT_EQ(w->pos(), QPoint(layout::DuToPxX(e.x), layout::DuToPxY(e.y))) << e.id;
        ++found;
    }
    EXPECT_EQ(found, 311 + 22 + 1);   // and the SHAPES label
    BoardControls& c = dlg.Controls();
    EXPECT_EQ(dlg.Control(1117), &c.boards[0].guess[0]);
    EXPECT_EQ(dlg.Control(1186), &c.boards[1].guess[36]);
    EXPECT_EQ(dlg.Control(1146), &c.center[35]);
    EXPECT_EQ(dlg.Control(1389), &c.roundDigits[15]);
    EXPECT_EQ(dlg.Control(1363), &c.boards[1].guessButtons[9]);
    EXPECT_EQ(dlg.findChildren<CGuessChip*>().size(), 100);
    EXPECT_EQ(dlg.findChildren<CScoreChip*>().size(), 80);
    EXPECT_EQ(dlg.findChildren<CSideVert*>().size(), 68);
    EXPECT_EQ(dlg.findChildren<CSideHoriz*>().size(), 8);
    EXPECT_EQ(dlg.findChildren<CCenterChip*>().size(), 36);
    EXPECT_EQ(dlg.findChildren<CNumbers*>().size(), 19);
    EXPECT_EQ(dlg.findChildren<CBitmapButton*>().size(), 22);
}

TEST_F(DialogTest, ControlsAreBoundBeforeTheFirstShow)
{
    CVantel2Dlg dlg(data.path(), app.path());
    BoardControls& c = dlg.Controls();
    EXPECT_FALSE(dlg.Sprites().IsLoaded());
    for (const BoardWidgets& b : c.boards) {
        EXPECT_EQ(b.guess[0].m_pSprites, &dlg.Sprites());
        EXPECT_EQ(b.traySides[0].m_nStretch, 1);
        EXPECT_EQ(b.traySides[1].m_nStretch, 1);
        EXPECT_EQ(b.rowSides[0].m_nStretch, 0);
        EXPECT_EQ(b.codeSides[0].m_nStretch, 0);
    }
    EXPECT_EQ(c.boards[1].tray[2].m_nBoard, 1);
    EXPECT_EQ(c.boards[1].tray[2].m_nSlotKind, slotkind::kTray);
    EXPECT_EQ(c.boards[0].code[1].m_nSlotKind, slotkind::kCode);
    EXPECT_EQ(c.boards[0].tray[0].m_nValue, 1);   // the first game is already drawn
    EXPECT_EQ(dlg.Game().m_nPhase, phase::kPlaying);
}
