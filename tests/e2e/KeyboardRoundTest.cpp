// The real program on its own X display, played with the keyboard alone: the pointer never moves.
// Chips are typed by number, GUESS and NEXT ROUND pressed by key, pegs and digits read off the screen.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "GameWindowTest.h"
#include "RoundPlay.h"

namespace {

constexpr int kShapes = 0;
constexpr int kColors = 1;

class KeyboardRoundTest : public GameWindowTest {};

}  // namespace

TEST_F(KeyboardRoundTest, ARoundPlayedWithKeysAloneEndsWithNextRoundAndNStartsTheNext)
{
    const auto started = std::chrono::steady_clock::now();
    // The first key shows the ring on the SHAPES board's first slot; the slot is no longer plain.
    x.Keys({QStringLiteral("Right"), QStringLiteral("Left")});
    ASSERT_TRUE(x.WaitFor([&](const QImage& s) { return !view->ShowsChip(s, BoardView::Guess(kShapes, 0, 0), 0); }))
        << "no ring on the focused slot";
    EXPECT_TRUE(view->ShowsChip(x.Grab(), BoardView::Guess(kShapes, 0, 1), 0));
    x.Snapshot(QStringLiteral("keys-1-ring"));

    RoundPlay play{x, *view, 3, 3000, true};
    BoardPlay boards[2] = {BoardPlay(kShapes), BoardPlay(kColors)};
    int guesses = 0;
    QString failure;
    ASSERT_TRUE(play.PlayRound(boards, &guesses, &failure)) << failure.toStdString();
    const QRect phaseButton = view->Map(BoardView::PhaseButtonArea());
    ASSERT_TRUE(x.WaitFor([&](const QImage& s) { return !BoardView::IsBlack(s, phaseButton); }))
        << "NEXT ROUND did not show";
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    int score = guesses;
    for (const BoardPlay& b : boards) score += b.solved ? 0 : 2;
    EXPECT_TRUE(x.WaitFor([&](const QImage& s) {
        return view->ShowsDigit(s, BoardView::RoundDigit(1), 10 + score % 10);
    })) << "score " << score << " not shown";
    x.Snapshot(QStringLiteral("keys-2-round-over"));
    std::printf("A round through the keyboard alone: %.1f s, %d guesses, score %d\n", seconds, guesses, score);
    RecordProperty("round_seconds", QString::number(seconds, 'f', 1).toStdString());

    // N presses NEXT ROUND: the second round starts at 0, in the style of the round in play.
    x.Keys({QStringLiteral("n")});
    EXPECT_TRUE(x.WaitFor([&](const QImage& s) {
        return BoardView::IsBlack(s, phaseButton) && view->ShowsDigit(s, BoardView::RoundDigit(3), 0) &&
               view->ShowsChip(s, BoardView::Guess(kColors, 0, 1), 0);
    })) << "N did not start the next round";
    x.Snapshot(QStringLiteral("keys-3-next-round"));
}

TEST_F(KeyboardRoundTest, LNumbersTheChipsAndASecondLTakesTheNumbersAway)
{
    const auto plainTrays = [&](const QImage& s) {
        return view->ShowsChip(s, BoardView::Tray(kShapes, 2), 3) && view->ShowsChip(s, BoardView::Tray(kColors, 4), 11);
    };
    x.Keys({QStringLiteral("l")});
    EXPECT_TRUE(x.WaitFor([&](const QImage& s) { return !plainTrays(s); })) << "the trays' chips carry no numbers";
    x.Snapshot(QStringLiteral("keys-labels"));
    x.Keys({QStringLiteral("l")});
    EXPECT_TRUE(x.WaitFor(plainTrays)) << "the numbers stayed";
}
