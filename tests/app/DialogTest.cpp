#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <memory>

#include "CAnnouncer.h"
#include "CHelpWindow.h"
#include "CVantel2Dlg.h"
#include "VantelEvents.h"

namespace {

class DialogTest : public ::testing::Test {
protected:
    QTemporaryDir data;
    QTemporaryDir app;   // no sprite sheet in it
};

// Plays all eight rounds, each code guessed at the first try.
void PlayWholeGame(CVantel2Dlg& dlg)
{
    CGameEngine& g = dlg.Game();
    for (int r = 0; r < 8; ++r) {
        if (r > 0) dlg.Controls().centre.nextRound.click();
        for (int b = 0; b < 2; ++b) {
            const int32_t* code = b == 0 ? g.m_nCodeShapes : g.m_nCodeColors;
            for (int k = 0; k < 4; ++k) dlg.Controls().boards[b].guess[k].m_nValue = code[k] + 6 * b;
            QEvent drop(b == 0 ? UM_SHAPES_DROP : UM_COLORS_DROP);
            QCoreApplication::sendEvent(&dlg, &drop);
            dlg.Controls().boards[b].guessButtons[0].click();
        }
    }
}

// The pixels of the note's yellow within `place` of the view, as drawn now.
int YellowPixels(QWidget& view, const QRect& place)
{
    const QImage shown = view.grab(place).toImage();
    int yellow = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) yellow += shown.pixel(x, y) == qRgb(255, 216, 0) ? 1 : 0;
    return yellow;
}

}  // namespace

TEST_F(DialogTest, EveryControlStandsAtItsPlace)
{
    CVantel2Dlg dlg(data.path(), app.path());
    EXPECT_EQ(dlg.windowTitle(), "Vantel");
    EXPECT_EQ(dlg.size(), QSize(1571, 809));
    int found = 0;
    for (const layout::Entry& e : layout::MainLayout()) {
        if (e.id == 0) continue;
        QWidget* w = dlg.Control(e.id);
        ASSERT_NE(w, nullptr) << e.id;
        EXPECT_EQ(w->mapTo(&dlg, QPoint(0, 0)), QPoint(layout::DuToPxX(e.x), layout::DuToPxY(e.y))) << e.id;
        ++found;
    }
    EXPECT_EQ(found, 311 + 22 + 1);   // and the SHAPES label
    BoardControls& c = dlg.Controls();
    EXPECT_EQ(dlg.Control(1117), &c.boards[0].guess[0]);
    EXPECT_EQ(dlg.Control(1186), &c.boards[1].guess[36]);
    EXPECT_EQ(dlg.Control(1146), &c.centre.center[35]);
    EXPECT_EQ(dlg.Control(1389), &c.centre.roundDigits[15]);
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
    for (const CBoardView& b : c.boards) {
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

TEST_F(DialogTest, MenuOffersInstructionsThenHighScores)
{
    CVantel2Dlg dlg(data.path(), app.path());
    std::unique_ptr<QMenu> menu(dlg.CreateSystemMenu());
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions[0]->text(), "Instructions");
    EXPECT_EQ(actions[1]->text(), "High Scores and Configuration...");
}

// The window's icon holds every size a task bar or switcher shows, and not the 256 picture, which
// would be decoded at every start for the desktop's menus alone.
TEST_F(DialogTest, TheWindowIconHoldsTheSizesATaskBarShowsAndNoLarger)
{
    CVantel2Dlg dlg(data.path(), app.path());
    const QList<QSize> sizes = dlg.windowIcon().availableSizes();
    EXPECT_EQ(sizes, (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}}));
}

TEST_F(DialogTest, InstructionsOpenTheHelpFileWhenItIsThere)
{
    CVantel2Dlg dlg(data.path(), app.path());
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QCoreApplication::sendEvent(&dlg, &f1);
    EXPECT_EQ(dlg.HelpWindow(), nullptr);   // no help file: nothing happens

    QFile help(QDir(app.path()).filePath("Vantel.html"));
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.write("<html><body><p>How to play</p></body></html>");
    help.close();
    dlg.OnSysCommand(CVantel2Dlg::IDM_INSTRUCTIONS);
    // Inside the game: a window of its own showing the page, not a browser's.
    CHelpWindow* shown = dlg.HelpWindow();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isWindow());
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(shown->source().toLocalFile(), help.fileName());
    EXPECT_EQ(shown->toPlainText(), "How to play");
}

TEST_F(DialogTest, EscapeClosesTheWindow)
{
    CVantel2Dlg dlg(data.path(), app.path());
    dlg.show();
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&dlg, &esc);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
}

TEST_F(DialogTest, AFinishedGameIsRecordedInTheDataFolder)
{
    CVantel2Dlg dlg(data.path(), app.path());
    PlayWholeGame(dlg);
    ASSERT_EQ(dlg.Game().m_nPhase, phase::kGameOver);
    QFile hsc(QDir(data.path()).filePath("Tarnwick Software/Vantel/vantel.hsc"));
    ASSERT_TRUE(hsc.open(QIODevice::ReadOnly));
    const QByteArray bytes = hsc.readAll();
    ASSERT_EQ(bytes.size(), 30);
    // Variant 1's record: one game, total 16, best 16.
    EXPECT_EQ(bytes.mid(10, 10), QByteArray("\x01\x00\x00\x00\x10\x00\x00\x00\x10\x00", 10));
}

TEST_F(DialogTest, AFinishedGameThatCouldNotBeRecordedSaysSoUntilTheNextGame)
{
    // A folder where the statistics file belongs: the game cannot be written.
    ASSERT_TRUE(QDir(data.path()).mkpath("Tarnwick Software/Vantel/vantel.hsc"));
    CVantel2Dlg dlg(data.path(), app.path());
    dlg.show();
    CCentreView& centre = dlg.Controls().centre;
    // Beneath the total, above NEW GAME, across the grid.
    const QRect place = centre.UnrecordedNotePlace();
    EXPECT_EQ(QRect(centre.mapTo(&dlg, place.topLeft()), place.size()), QRect(497, 736, 576, 25));
    EXPECT_EQ(YellowPixels(centre, place), 0);

    PlayWholeGame(dlg);
    ASSERT_EQ(dlg.Game().m_nPhase, phase::kGameOver);
    EXPECT_TRUE(centre.ShowsUnrecordedNote());
    EXPECT_EQ(CCentreView::UnrecordedNoteText(), "THIS GAME COULD NOT BE RECORDED");
    EXPECT_GT(YellowPixels(centre, place), 500);
    // A screen reader hears the note with the game's end.
    EXPECT_TRUE(CAnnouncer::Of(&dlg).Words().contains("total score 16, THIS GAME COULD NOT BE RECORDED. "))
        << CAnnouncer::Of(&dlg).Words().toStdString();

    centre.newGame.click();
    EXPECT_EQ(dlg.Game().m_nPhase, phase::kPlaying);
    EXPECT_FALSE(centre.ShowsUnrecordedNote());
    EXPECT_EQ(YellowPixels(centre, place), 0);
}

TEST_F(DialogTest, AFinishedGameThatWasRecordedShowsNoNote)
{
    CVantel2Dlg dlg(data.path(), app.path());
    dlg.show();
    PlayWholeGame(dlg);
    ASSERT_EQ(dlg.Game().m_nPhase, phase::kGameOver);
    EXPECT_FALSE(dlg.Controls().centre.ShowsUnrecordedNote());
}
