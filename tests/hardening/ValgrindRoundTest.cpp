// The real game under valgrind's memcheck on its own X display (valgrind-round.sh starts it through
// a wrapper): a round played with the real pointer, the window closed with Esc so the game shuts
// down the way a player ends it, then memcheck's log read back. No invalid read or write may show.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include <cstdio>
#include <functional>

#include "CodeSolver.h"
#include "GameWindowTest.h"

namespace {

constexpr int kRows = 10;
// Everything is many times slower under memcheck.
constexpr int kWaitMs = 60000;
constexpr int kTries = 4;

int ChipValue(int board, int v) { return board == 0 ? v : v + 6; }

struct BoardPlay {
    explicit BoardPlay(int b) : board(b) {}
    int board;
    int row = 0;
    bool closed = false;
    CodeSolver solver;
};

bool Poll(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    do {
        if (done()) return true;
        QThread::msleep(200);
    } while (clock.elapsed() < timeoutMs);
    return false;
}

// memcheck's logs, one per process; children forked by the game stay silent.
QStringList Logs()
{
    QDir dir(QString::fromLocal8Bit(qgetenv("VANTEL_VALGRIND_LOGS")));
    QStringList texts;
    for (const QString& name : dir.entryList({QStringLiteral("memcheck.*.log")}, QDir::Files)) {
        QFile f(dir.filePath(name));
        if (f.open(QIODevice::ReadOnly)) texts << QString::fromLocal8Bit(f.readAll());
    }
    return texts;
}

}  // namespace

class ValgrindRound : public GameWindowTest {
protected:
    QString Run(const QStringList& args) const
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), x.Display());
        p.setProcessEnvironment(env);
        p.start(QStringLiteral("xdotool"), args);
        p.waitForFinished(10000);
        return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
    }

    void DragChip(const QRect& from, const QRect& to, int value)
    {
        for (int attempt = 0; attempt < kTries; ++attempt) {
            x.Drag(from.center(), to.center());
            if (x.WaitFor([&](const QImage& s) { return view->ShowsChip(s, to, value); }, kWaitMs / kTries))
                return;
        }
        FAIL() << "chip " << value << " never landed";
    }

    Pegs Guess(const BoardPlay& b)
    {
        int pegs[4] = {};
        const auto evaluated = [&](const QImage& s) {
            for (int k = 0; k < 4; ++k) {
                pegs[k] = view->ReadPeg(s, BoardView::Peg(b.board, b.row, k));
                if (pegs[k] < 1) return false;
            }
            return true;
        };
        bool shown = false;
        for (int attempt = 0; attempt < kTries && !shown; ++attempt) {
            x.Click(BoardView::GuessButton(b.board, b.row));
            shown = x.WaitFor(evaluated, kWaitMs / kTries);
        }
        EXPECT_TRUE(shown) << "no pegs in row " << b.row << " of board " << b.board;
        Pegs p;
        for (int peg : pegs) {
            p.exact += peg == 3;
            p.present += peg == 2;
        }
        return p;
    }

    void PlayRow(BoardPlay& b)
    {
        const Code guess = b.solver.NextGuess();
        for (int k = 0; k < 4 && !HasFatalFailure(); ++k) {
            const int value = ChipValue(b.board, guess[k]);
            DragChip(BoardView::Tray(b.board, guess[k] - 1), BoardView::Guess(b.board, b.row, k), value);
        }
        if (HasFatalFailure()) return;
        const Pegs answer = Guess(b);
        ++guesses;
        b.solver.Learn(guess, answer);
        if (answer.exact == 4 || ++b.row == kRows) b.closed = true;
    }

    int guesses = 0;
};

TEST_F(ValgrindRound, ARoundPlayedAndTheWindowClosedShowNoInvalidAccess)
{
    ASSERT_FALSE(qgetenv("VANTEL_VALGRIND_LOGS").isEmpty()) << "run through valgrind-round.sh";
    BoardPlay boards[2] = {BoardPlay(0), BoardPlay(1)};
    while (!boards[0].closed || !boards[1].closed) {
        for (BoardPlay& b : boards) {
            if (b.closed) continue;
            PlayRow(b);
            if (HasFatalFailure()) return;
        }
    }
    const auto nextRoundShown = [](const QImage& s) {
        return !BoardView::IsBlack(s, BoardView::PhaseButtonArea());
    };
    ASSERT_TRUE(x.WaitFor(nextRoundShown, kWaitMs)) << "NEXT ROUND did not show";

    // Esc closes the window, and with it the game.
    Run({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
         QStringLiteral("^Vantel$"), QStringLiteral("windowfocus"), QStringLiteral("--sync")});
    Run({QStringLiteral("key"), QStringLiteral("Escape")});
    const auto finished = [] {
        const QStringList logs = Logs();
        return !logs.isEmpty() && logs.first().contains(QStringLiteral("ERROR SUMMARY"));
    };
    ASSERT_TRUE(Poll(finished, kWaitMs)) << "the game did not end after Esc";

    const QString log = Logs().join(QString());
    const QRegularExpression invalid(QStringLiteral("Invalid (read|write|free)|Mismatched free|overlap|"
                                                    "Jump to the invalid address"));
    int invalidAccesses = 0;
    for (auto it = invalid.globalMatch(log); it.hasNext(); it.next()) ++invalidAccesses;
    const QRegularExpression errors(QStringLiteral("ERROR SUMMARY: (\\d+) errors"));
    const QRegularExpressionMatch summary = errors.match(log);
    std::printf("Under memcheck: a round of %d guesses played, the window closed; %d invalid reads or "
                "writes, %s errors in all after the suppressions\n",
                guesses, invalidAccesses, summary.captured(1).toLocal8Bit().constData());
    EXPECT_EQ(invalidAccesses, 0) << log.toStdString();
    EXPECT_EQ(summary.captured(1), QStringLiteral("0")) << log.toStdString();
}
