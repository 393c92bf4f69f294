// What a screen reader is told as the window is played, key by key: Qt's accessibility updates
// heard as they are sent. Qt sends them only on a platform with accessibility, so these run on a
// real X display.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include <algorithm>

#include "AccessibilitySpy.h"
#include "AccessibleWords.h"
#include "CAboutDlg.h"
#include "CAnnouncer.h"
#include "DialogPlayer.h"

namespace {

const int S = board::kShapes;
const int C = board::kColors;
using Spoken = std::vector<std::string>;

// The window shown and active, as a player has it, with a screen reader listening.
class HeardPlay : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QTest::qWaitFor([] { return QAccessible::isActive(); }, 10000))
            << "Qt's accessibility never came on (run in tests/support/a11y-session.sh)";
        p.dlg.show();
        p.dlg.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&p.dlg));
        spy.Spoken();
    }
    Spoken After(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        p.Key(key, modifiers);
        return spy.Spoken();
    }

    DialogPlayer p;
    AccessibilitySpy spy;
};

}  // namespace

TEST_F(HeardPlay, TheRingIsTheFocusAndEveryMoveIsHeardWithTheSlotsWords)
{
    EXPECT_EQ(After(Qt::Key_Right), Spoken{"focus: SHAPES row 1, slot 2: empty"});
    EXPECT_EQ(After(Qt::Key_Left), Spoken{"focus: SHAPES row 1, slot 1: empty"});
    EXPECT_EQ(After(Qt::Key_Left), Spoken{"focus: SHAPES row 1, slot 4: empty"});
    EXPECT_EQ(After(Qt::Key_Tab), Spoken{"focus: COLORS row 1, slot 1: empty"});
    EXPECT_EQ(After(Qt::Key_Backtab, Qt::ShiftModifier), Spoken{"focus: SHAPES row 1, slot 4: empty"});
    EXPECT_EQ(After(Qt::Key_Down), Spoken{});   // no earlier row yet: the ring stays
    EXPECT_EQ(QApplication::focusWidget(), &p.Board(S).guess[3]);
}

// The news first, then the ring's move; the slot's new name only once the ring has left it, as a
// reader speaks a changed name of the slot it stands on, which Qt sends without its words.
TEST_F(HeardPlay, APlacedChipIsHeardFirstThenTheRingMovingOnThenItsSlotsNewName)
{
    EXPECT_EQ(After(Qt::Key_4), (Spoken{"notification: heart in slot 1", "focus: SHAPES row 1, slot 2: empty",
                                        "name: SHAPES row 1, slot 1: heart"}));
    EXPECT_EQ(After(Qt::Key_4), (Spoken{"notification: heart in slot 2", "focus: SHAPES row 1, slot 3: empty",
                                        "name: SHAPES row 1, slot 2: heart"}));
    EXPECT_EQ(After(Qt::Key_Tab), Spoken{"focus: COLORS row 1, slot 1: empty"});
    EXPECT_EQ(After(Qt::Key_2), (Spoken{"notification: orange in slot 1", "focus: COLORS row 1, slot 2: empty",
                                        "name: COLORS row 1, slot 1: orange"}));
    EXPECT_EQ(After(Qt::Key_6, Qt::ControlModifier), Spoken{});   // not a key of the game: nothing lands
}

TEST_F(HeardPlay, AGuessIsHeardAsItsResultBeforeTheRingMovesToTheNextRow)
{
    int32_t* code = p.Game().m_nCodeShapes;
    std::copy_n(std::vector<int32_t>{1, 2, 3, 4}.begin(), 4, code);   // star, club, diamond, heart
    p.Keys({Qt::Key_1, Qt::Key_3, Qt::Key_2});
    spy.Spoken();
    EXPECT_EQ(After(Qt::Key_5), (Spoken{"notification: spade in slot 4", "focus: SHAPES row 1, slot 1: star",
                                        "name: SHAPES row 1, slot 4: spade"}));
    EXPECT_EQ(After(Qt::Key_Return), (Spoken{"notification: SHAPES row 1: 1 right place, 2 right chip elsewhere. "
                                             "round 1 score 1",
                                             "focus: SHAPES row 2, slot 1: empty"}));
    p.Keys({Qt::Key_1, Qt::Key_2, Qt::Key_3});
    spy.Spoken();
    EXPECT_EQ(After(Qt::Key_4), (Spoken{"notification: heart in slot 4", "focus: SHAPES row 2, slot 1: star",
                                        "name: SHAPES row 2, slot 4: heart"}));
    EXPECT_EQ(After(Qt::Key_Space),
              (Spoken{"notification: SHAPES row 2: 4 right place. round 1 score 2. SHAPES board closed, solved; "
                      "the code's shapes: star, club, diamond, heart",
                      "focus: COLORS row 1, slot 1: empty"}));
}

TEST_F(HeardPlay, ClosedBoardsHandTheFocusOnAndTheButtonThatGoesOnTakesItAtTheRoundsEnd)
{
    p.Key(Qt::Key_Right);
    p.Solve(S);
    EXPECT_EQ(QApplication::focusWidget(), &p.Board(C).guess[0]);   // the closed board handed it over
    spy.Spoken();
    p.Solve(C);
    EXPECT_EQ(QApplication::focusWidget(), &p.dlg.Controls().centre.nextRound);
    EXPECT_EQ(p.dlg.Keyboard().Focus().Ringed(), nullptr);
    const Spoken end = spy.Spoken();
    ASSERT_EQ(end.size(), 2u);
    EXPECT_EQ(end[0].rfind("notification: COLORS row 1: 4 right place. round 1 over, score 2. COLORS board closed, "
                           "solved; the code's colours: ", 0), 0u) << end[0];
    EXPECT_EQ(end[0].substr(end[0].size() - 12), ". NEXT ROUND");
    EXPECT_EQ(end[1], "focus: NEXT ROUND");
    EXPECT_EQ(After(Qt::Key_N), (Spoken{"notification: round 2 of 8", "focus: COLORS row 1, slot 1: empty"}));
}

TEST_F(HeardPlay, TheGamesEndIsHeardWithItsTotalAndNewGameTakesTheFocus)
{
    p.Key(Qt::Key_Right);
    for (int round = 0; round < 8; ++round) {
        p.WinRound();
        if (round < 7) p.NextRound();
    }
    ASSERT_EQ(p.Game().m_nPhase, phase::kGameOver);
    const Spoken end = spy.Spoken();
    ASSERT_GE(end.size(), 2u);
    const std::string& news = end[end.size() - 2];
    const std::string told = ". round 8 over, score 2. Game over, total score 16, recorded in the high scores. ";
    EXPECT_EQ(news.substr(news.find(". round 8 over"), told.size()), told);
    EXPECT_EQ(news.substr(news.size() - 10), ". NEW GAME");
    EXPECT_EQ(end.back(), "focus: NEW GAME");
    EXPECT_EQ(QApplication::focusWidget(), &p.dlg.Controls().centre.newGame);
    EXPECT_EQ(After(Qt::Key_Return), (Spoken{"notification: new game, round 1 of 8", "focus: COLORS row 1, slot 1: empty"}));
}

namespace {

Spoken Notifications(const Spoken& spoken)
{
    Spoken notes;
    for (const std::string& s : spoken)
        if (s.rfind("notification: ", 0) == 0) notes.push_back(s);
    return notes;
}

}  // namespace

TEST_F(HeardPlay, AChoiceThatCouldNotBeSavedIsAnnouncedEachTimeItIsMade)
{
    CAboutDlg scores({}, p.app.path(), &p.dlg);   // no data folder: no choice can be stored
    scores.show();
    QTest::mouseClick(scores.Control(1277), Qt::LeftButton);
    ASSERT_TRUE(scores.SaveFailedNote().isVisible());
    EXPECT_EQ(Notifications(spy.Spoken()), Spoken{"notification: THAT CHOICE COULD NOT BE SAVED"});
    QTest::mouseClick(scores.Control(1277), Qt::LeftButton);
    EXPECT_EQ(Notifications(spy.Spoken()), Spoken{"notification: THAT CHOICE COULD NOT BE SAVED"});
}

TEST_F(HeardPlay, ANoteOfTheWindowIsAnnouncedFromAnyOfItsControlsAndTheSameNoteTwiceIsHeardTwice)
{
    CAnnouncer::Of(&p.dlg.Controls().centre.totalDigits[0]).Announce(QStringLiteral("THIS GAME COULD NOT BE RECORDED"));
    CAnnouncer::Of(&p.dlg).Announce(QStringLiteral("THIS GAME COULD NOT BE RECORDED"));
    CAnnouncer::Of(&p.dlg).Announce(QString());   // says nothing
    EXPECT_EQ(Notifications(spy.Spoken()),
              (Spoken{"notification: THIS GAME COULD NOT BE RECORDED", "notification: THIS GAME COULD NOT BE RECORDED"}));
    EXPECT_EQ(p.dlg.findChildren<CAnnouncer*>().size(), 1);   // one per window
    EXPECT_EQ(CAnnouncer::Of(&p.dlg).Window(), &p.dlg);
    // In a status line, whose notes a reader says as their words alone, not as "notification" first.
    QAccessibleInterface* note = QAccessible::queryAccessibleInterface(&CAnnouncer::Of(&p.dlg));
    ASSERT_NE(note->parent(), nullptr);
    EXPECT_EQ(note->parent()->role(), QAccessible::StatusBar);
    EXPECT_EQ(note->parent()->child(0), note);
}

TEST_F(HeardPlay, AChipCopiedFromAnEarlierRowIsHeardWithTheSlotItLandedIn)
{
    p.Miss(S);
    p.Keys({Qt::Key_Right, Qt::Key_Down});   // row 1, slot 2
    spy.Spoken();
    const std::string second = words::SlotContent(p.Board(S).guess[1].m_nValue).toStdString();
    const std::string third = words::SlotContent(p.Board(S).guess[2].m_nValue).toStdString();
    EXPECT_EQ(After(Qt::Key_Return), (Spoken{"notification: " + second + " copied into slot 2 of the current row",
                                             "focus: SHAPES row 1, slot 3: " + third, "name: SHAPES row 2, slot 2: " + second}));
}
