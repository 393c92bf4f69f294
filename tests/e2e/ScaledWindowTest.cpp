// The real program on screens smaller and larger than its board: the window opens at the scale
// that shows the whole board, and a round is played there with the real pointer.
#include <gtest/gtest.h>

#include <string>

#include "GameWindowTest.h"
#include "RoundPlay.h"

namespace {

struct ScreenCase {
    QSize screen;
    QSize window;   // the window the game opens there (no window manager: no frame)
};

class ScaledWindowTest : public GameWindowTest, public ::testing::WithParamInterface<ScreenCase> {
protected:
    void SetUp() override { Start(GetParam().screen); }
    RoundPlay Play() const { return {x, *view, 3, 3000}; }
};

}  // namespace

TEST_P(ScaledWindowTest, TheWholeBoardShowsAndARoundPlaysToNextRound)
{
    EXPECT_EQ(window.size(), GetParam().window);
    EXPECT_TRUE(QRect(QPoint(0, 0), GetParam().screen).contains(window)) << "the window reaches off the screen";
    x.Snapshot(QStringLiteral("scaled-%1-start").arg(GetParam().screen.width()));

    BoardPlay boards[2] = {BoardPlay(0), BoardPlay(1)};
    int guesses = 0;
    QString failure;
    ASSERT_TRUE(Play().PlayRound(boards, &guesses, &failure)) << failure.toStdString();
    const QRect phaseButton = view->Map(BoardView::PhaseButtonArea());
    ASSERT_TRUE(x.WaitFor([&](const QImage& s) { return !BoardView::IsBlack(s, phaseButton); }))
        << "NEXT ROUND did not show";
    // Every guess costs a point and a failed board two more; the round's units digit, finished style.
    int score = guesses;
    for (const BoardPlay& b : boards) score += b.solved ? 0 : 2;
    EXPECT_TRUE(x.WaitFor([&](const QImage& s) {
        return view->ShowsDigit(s, BoardView::RoundDigit(1), 10 + score % 10);
    })) << "score " << score << " not shown";
    x.Snapshot(QStringLiteral("scaled-%1-round-over").arg(GetParam().screen.width()));
}

// The two most common laptop screens: the board shrinks to the screen's width.
INSTANTIATE_TEST_SUITE_P(LaptopScreens, ScaledWindowTest,
                         ::testing::Values(ScreenCase{{1280, 720}, {1280, 659}},
                                           ScreenCase{{1366, 768}, {1366, 703}}),
                         [](const ::testing::TestParamInfo<ScreenCase>& info) {
                             const QSize s = info.param.screen;
                             return std::to_string(s.width()) + "x" + std::to_string(s.height());
                         });
