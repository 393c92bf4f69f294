// The real program on its own X display, played with the real pointer: chips dragged from both
// trays into the rows, GUESS pressed, pegs read back off the screen, until a round ends.
#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>
#include <QThread>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "BoardView.h"
#include "CodeSolver.h"
#include "CursorProbe.h"
#include "GameWindowTest.h"
#include "RoundPlay.h"
#include "XSession.h"

namespace {

constexpr int kShapes = 0;
constexpr int kColors = 1;
constexpr int kRows = 10;
constexpr int kDragTries = 3;

QPoint Centre(const QRect& r) { return r.center(); }


class PointerRound : public GameWindowTest {
protected:
    RoundPlay Play() const { return {x, *view, kDragTries, 3000}; }

    // Drags chip value `value` into slot `slot` of the board's current row, from the row below
    // when it holds the chip there (chips of earlier rows copy too), else from the tray.
    void Place(const BoardPlay& b, int slot, int value)
    {
        QRect from = BoardView::Tray(b.board, b.board == kShapes ? value - 1 : value - 7);
        if (b.row > 0)
            for (int k = 0; k < 4; ++k)
                if (ChipValue(b.board, b.last[k]) == value) from = BoardView::Guess(b.board, b.row - 1, k);
        DragChip(from, BoardView::Guess(b.board, b.row, slot), value);
    }

    // X is asynchronous: a drag whose chip does not show is made again.
    void DragChip(const QRect& from, const QRect& to, int value, const QString& inFlight = QString())
    {
        ++drags;
        if (!inFlight.isEmpty()) {
            // Held over its target for a picture, then let go.
            x.Drag(Centre(from), Centre(to), false);
            x.Snapshot(inFlight);
            x.Release();
            if (x.WaitFor([&](const QImage& s) { return view->ShowsChip(s, to, value); }, 3000)) return;
        }
        if (!Play().DragChip(from, to, value))
            FAIL() << "chip " << value << " never landed at " << to.x() << ',' << to.y();
    }

    // Presses the row's GUESS and reads its pegs once they show.
    Pegs Guess(const BoardPlay& b)
    {
        int pegs[4] = {};
        EXPECT_TRUE(Play().PressGuess(b, pegs))
            << "no pegs after GUESS in row " << b.row << " of board " << b.board;
        // Exact pegs first, then present ones, then misses: the order tells nothing.
        for (int k = 1; k < 4; ++k) EXPECT_LE(pegs[k], pegs[k - 1]) << "row " << b.row;
        return CountPegs(pegs);
    }

    void PlayRow(BoardPlay& b)
    {
        const Code guess = b.solver.NextGuess();
        for (int k = 0; k < 4; ++k) {
            Place(b, k, ChipValue(b.board, guess[k]));
            if (HasFatalFailure()) return;
        }
        if (firstRow) {
            x.Snapshot(QStringLiteral("2-first-row-filled"));
            firstRow = false;
        }
        const Pegs answer = Guess(b);
        ++guesses;
        b.solver.Learn(guess, answer);
        b.last = guess;
        if (answer.exact == 4) {
            b.closed = b.solved = true;
        } else if (++b.row == kRows) {
            b.closed = true;
        }
    }

    // What a closed board reveals across: its half of the code above the other board.
    void ExpectRevealed(const BoardPlay& b)
    {
        if (!b.solved) return;
        const int other = 1 - b.board;
        EXPECT_TRUE(x.WaitFor([&](const QImage& s) {
            for (int k = 0; k < 4; ++k)
                if (!view->ShowsChip(s, BoardView::Code(other, k), ChipValue(b.board, b.last[k])))
                    return false;
            return true;
        })) << "board " << b.board << "'s code is not shown above the other board";
    }

    static int RoundScore(const BoardPlay& s, const BoardPlay& c)
    {
        const auto cost = [](const BoardPlay& b) { return b.solved ? b.row + 1 : kRows + 2; };
        return cost(s) + cost(c);
    }

    void ExpectScore(int score)
    {
        // Round 0 in the finished style (set 1), the total in its own (set 2), no leading zeros.
        const int tens = score / 10 > 0 ? 10 + score / 10 : sprites::kBlankDigit;
        const int totalTens = score / 10 > 0 ? 20 + score / 10 : sprites::kBlankDigit;
        EXPECT_TRUE(x.WaitFor([&](const QImage& s) {
            return view->ShowsDigit(s, BoardView::RoundDigit(0), tens) &&
                   view->ShowsDigit(s, BoardView::RoundDigit(1), 10 + score % 10) &&
                   view->ShowsDigit(s, BoardView::TotalDigit(0), sprites::kBlankDigit) &&
                   view->ShowsDigit(s, BoardView::TotalDigit(1), totalTens) &&
                   view->ShowsDigit(s, BoardView::TotalDigit(2), 20 + score % 10);
        })) << "score " << score << " not shown";
    }

    // Polls the pointer until it shows `art` with the hotspot on the picture's top-left corner,
    // nothing of the cursor above or left of it.
    // Saves what the player sees at `pointer`: the window with the cursor drawn over it.
    bool WaitForCursor(const QImage& art, QPoint pointer, const QString& name)
    {
        const QImage want = art.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (int i = 0; i < 150; ++i) {
            const CursorShot c = ReadCursor(x.Display());
            if (!c.image.isNull() && SameArgb(c.image.copy(QRect(c.hotspot, want.size())), want) &&
                Transparent(c.image, QRect(0, 0, c.image.width(), c.hotspot.y())) &&
                Transparent(c.image, QRect(0, 0, c.hotspot.x(), c.image.height()))) {
                SaveWithCursor(c, pointer, name);
                return true;
            }
            QThread::msleep(20);
        }
        SaveWithCursor(ReadCursor(x.Display()), pointer, name);
        return false;
    }

    void SaveWithCursor(const CursorShot& c, QPoint pointer, const QString& name)
    {
        QImage shot = x.Grab().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&shot);
        painter.drawImage(pointer - c.hotspot, c.image);
        painter.end();
        const QRect around(pointer - QPoint(100, 100), QSize(200, 200));
        const QString dir = QDir::temp().filePath(QStringLiteral("vantel-e2e"));
        shot.copy(around).save(QDir(dir).filePath(name + QStringLiteral(".png")));
    }

    static bool SameArgb(const QImage& a, const QImage& b)
    {
        if (a.size() != b.size()) return false;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) {
                const QRgb p = a.pixel(x, y);
                const QRgb q = b.pixel(x, y);
                if (std::abs(qAlpha(p) - qAlpha(q)) > 8 || std::abs(qRed(p) - qRed(q)) > 8 ||
                    std::abs(qGreen(p) - qGreen(q)) > 8 || std::abs(qBlue(p) - qBlue(q)) > 8)
                    return false;
            }
        return true;
    }

    static bool Transparent(const QImage& image, const QRect& r)
    {
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (qAlpha(image.pixel(x, y)) != 0) return false;
        return true;
    }

    int drags = 0;
    int guesses = 0;
    bool firstRow = true;
};

}  // namespace

TEST_F(PointerRound, ARoundPlayedWithThePointerEndsWithNextRound)
{
    x.Snapshot(QStringLiteral("1-start"));
    const auto started = std::chrono::steady_clock::now();

    // A first drag held over its target, to see it in flight.
    const QRect blueTray = BoardView::Tray(kColors, 0);
    DragChip(blueTray, BoardView::Guess(kColors, 0, 0), 7, QStringLiteral("1-dragging-blue"));
    if (HasFatalFailure()) return;
    const QImage afterDrop = x.Grab();
    EXPECT_TRUE(view->ShowsChip(afterDrop, blueTray, 7)) << "the tray lost its chip";
    EXPECT_TRUE(view->ShowsChip(afterDrop, BoardView::Guess(kShapes, 0, 0), 0)) << "the other board changed";

    BoardPlay shapes(kShapes);
    BoardPlay colors(kColors);
    while (!shapes.closed || !colors.closed) {
        for (BoardPlay* b : {&shapes, &colors}) {
            if (b->closed) continue;
            PlayRow(*b);
            if (HasFatalFailure()) return;
            if (b->closed) ExpectRevealed(*b);
        }
    }

    const auto nextRoundShown = [](const QImage& s) {
        return !BoardView::IsBlack(s, BoardView::PhaseButtonArea());
    };
    ASSERT_TRUE(x.WaitFor(nextRoundShown)) << "NEXT ROUND did not show";
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    x.Snapshot(QStringLiteral("3-round-over"));
    const int score = RoundScore(shapes, colors);
    ExpectScore(score);
    const auto rows = [](const BoardPlay& b) { return b.solved ? b.row + 1 : kRows; };
    std::printf("A round through the real pointer: %.1f s, %d drags, %d guesses, score %d "
                "(SHAPES %s in %d rows, COLORS %s in %d)\n",
                seconds, drags, guesses, score, shapes.solved ? "solved" : "failed", rows(shapes),
                colors.solved ? "solved" : "failed", rows(colors));
    RecordProperty("round_seconds", QString::number(seconds, 'f', 1).toStdString());

    // NEXT ROUND clears both boards for the next code.
    const auto nextRoundStarted = [&](const QImage& s) {
        return view->ShowsChip(s, BoardView::Guess(kShapes, 0, 0), 0) &&
               view->ShowsChip(s, BoardView::Guess(kColors, 0, 0), 0) &&
               BoardView::IsBlack(s, BoardView::PhaseButtonArea());
    };
    bool nextRound = false;
    for (int attempt = 0; attempt < kDragTries && !nextRound; ++attempt) {
        x.Click(BoardView::PhaseButton());
        nextRound = x.WaitFor(nextRoundStarted, 3000);
    }
    EXPECT_TRUE(nextRound) << "NEXT ROUND did not start a new round";
    x.Snapshot(QStringLiteral("4-next-round"));
}

TEST_F(PointerRound, CursorPicturesTheChipWhereItWouldLand)
{
    if (!CanReadCursor(x.Display())) GTEST_SKIP() << "this build cannot read the X cursor (no XFixes)";
    const QImage blue(QStringLiteral(":/art/cursor_136.png"));
    const QImage noDrop(QStringLiteral(":/art/cursor_142.png"));
    ASSERT_FALSE(blue.isNull() || noDrop.isNull()) << "the test carries no cursor art";

    const QRect blueTray = BoardView::Tray(kColors, 0);
    const QRect colorsSlot = BoardView::Guess(kColors, 0, 0);
    const QRect shapesSlot = BoardView::Guess(kShapes, 0, 1);
    const QPoint overTheGrid(layout::DuToPxX(520), layout::DuToPxY(40));   // the pool, no slot
    const QPoint start = Centre(blueTray);

    // Held still past the drag delay, the chip lifts without a move. Over its own tray slot its
    // picture shows, though nothing would land there.
    x.Press(start);
    EXPECT_TRUE(WaitForCursor(blue, start, QStringLiteral("cursor-1-own-tray"))) << "over its own tray slot";
    x.Glide(start, Centre(shapesSlot));
    EXPECT_TRUE(WaitForCursor(noDrop, Centre(shapesSlot), QStringLiteral("cursor-2-shapes-slot")))
        << "over a SHAPES slot";
    x.Glide(Centre(shapesSlot), Centre(colorsSlot));
    EXPECT_TRUE(WaitForCursor(blue, Centre(colorsSlot), QStringLiteral("cursor-3-colors-row")))
        << "over the COLORS row";
    x.Glide(Centre(colorsSlot), overTheGrid);
    EXPECT_TRUE(WaitForCursor(noDrop, overTheGrid, QStringLiteral("cursor-4-over-the-pool")))
        << "over the pool in the middle";
    // Released where nothing takes it: nothing lands anywhere.
    x.Release();
    const QImage after = x.Grab();
    EXPECT_TRUE(view->ShowsChip(after, colorsSlot, 0));
    EXPECT_TRUE(view->ShowsChip(after, shapesSlot, 0));
    EXPECT_TRUE(view->ShowsChip(after, blueTray, 7));
}

TEST_F(PointerRound, ARoundPlayedByClicksAloneEndsWithNextRound)
{
    RoundPlay play = Play();
    play.byClicks = true;   // the pointer never drags
    BoardPlay boards[2] = {BoardPlay(kShapes), BoardPlay(kColors)};
    int guesses = 0;
    QString failure;
    ASSERT_TRUE(play.PlayRound(boards, &guesses, &failure)) << failure.toStdString();
    x.Snapshot(QStringLiteral("clicks-round-over"));
    ASSERT_TRUE(x.WaitFor([](const QImage& s) { return !BoardView::IsBlack(s, BoardView::PhaseButtonArea()); }))
        << "NEXT ROUND did not show";
    ExpectScore(RoundScore(boards[0], boards[1]));
}
