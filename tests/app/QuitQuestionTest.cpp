// Closing the window asks first exactly when a game in progress would be lost, whichever way the
// window is closed; the question's default keeps the game.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>

#include "DialogPlayer.h"
#include "QuitQuestion.h"

namespace {

struct Situation {
    const char* name;
    std::function<void(DialogPlayer&)> reach;
    bool asks;
};

const Situation kSituations[] = {
    {"a fresh game", [](DialogPlayer&) {}, false},
    {"a full row not yet judged", [](DialogPlayer& p) { p.Fill(board::kShapes, {1, 2, 3, 4}); }, false},
    {"one guess judged", [](DialogPlayer& p) { p.Miss(board::kColors); }, true},
    {"a round over", [](DialogPlayer& p) { p.WinRound(); }, true},
    {"the next round begun, nothing judged in it", [](DialogPlayer& p) { p.WinRound(); p.NextRound(); }, true},
    {"the game over",
     [](DialogPlayer& p) {
         for (int r = 0; r < p.Game().m_nRoundsPerGame; ++r) {
             if (r > 0) p.NextRound();
             p.WinRound();
         }
     },
     false},
};

struct Closing {
    const char* name;
    std::function<void(CVantel2Dlg&)> close;
};

const Closing kClosings[] = {
    {"Esc",
     [](CVantel2Dlg& d) {
         QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
         QCoreApplication::sendEvent(&d, &esc);
     }},
    {"the close box", [](CVantel2Dlg& d) { d.close(); }},
};

}  // namespace

TEST(QuitQuestion, ClosingAsksOnlyWhenAGameInProgressWouldBeLost)
{
    for (const Situation& s : kSituations) {
        for (const Closing& c : kClosings) {
            for (const bool quit : {false, true}) {
                SCOPED_TRACE(std::string(s.name) + ", closed with " + c.name + (quit ? ", quit" : ", kept"));
                DialogPlayer p;
                s.reach(p);
                p.dlg.show();
                p.quit = quit;
                c.close(p.dlg);
                EXPECT_EQ(p.questions, s.asks ? 1 : 0);
                // Unasked, the window closes at once; asked, it closes only on the player's word.
                EXPECT_EQ(p.dlg.isVisible(), s.asks && !quit);
            }
        }
    }
}

TEST(QuitQuestion, KeepingOnPlayingIsTheDefaultAnswer)
{
    const auto box = quitquestion::Create(nullptr);
    EXPECT_EQ(box->text(), "Quit Vantel?");
    EXPECT_EQ(box->informativeText(), "The game in progress will be lost.");
    ASSERT_NE(box->defaultButton(), nullptr);
    EXPECT_EQ(box->defaultButton()->text(), "&Keep Playing");
    EXPECT_EQ(box->escapeButton(), box->defaultButton());
    EXPECT_EQ(box->buttons().size(), 2);
}

TEST(QuitQuestion, OnlyTheQuitButtonAnswersQuit)
{
    // The question runs its own modal loop; the player's answer is given from inside it.
    const auto answer = [](const std::function<void(QMessageBox&)>& give) {
        QTimer::singleShot(0, [give] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            give(*box);
        });
        return quitquestion::Ask(nullptr);
    };
    const auto press = [](const QString& text) {
        return [text](QMessageBox& b) {
            for (QAbstractButton* button : b.buttons()) {
                if (button->text() == text) button->click();
            }
        };
    };
    EXPECT_FALSE(answer([](QMessageBox& b) { QTest::keyClick(&b, Qt::Key_Return); }));
    EXPECT_FALSE(answer([](QMessageBox& b) { QTest::keyClick(&b, Qt::Key_Escape); }));
    EXPECT_FALSE(answer(press("&Keep Playing")));
    EXPECT_TRUE(answer(press("&Quit")));
    EXPECT_TRUE(answer([](QMessageBox& b) { QTest::keyClick(&b, Qt::Key_Q); }));
}
