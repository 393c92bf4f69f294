// The real game under valgrind's memcheck on its own X display (valgrind-round.sh starts it through
// a wrapper): a round played with the real pointer, the window closed with Esc and the quit question
// answered so the game shuts down the way a player ends it, then memcheck's log read back. No
// invalid read or write may show.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <cstdio>
#include <functional>

#include "GameWindowTest.h"
#include "RoundPlay.h"

namespace {

// Everything is many times slower under memcheck.
constexpr int kWaitMs = 60000;
constexpr int kTries = 4;

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
    RoundPlay Play() const { return {x, *view, kTries, kWaitMs / kTries}; }
};

TEST_F(ValgrindRound, ARoundPlayedAndTheWindowClosedShowNoInvalidAccess)
{
    ASSERT_FALSE(qgetenv("VANTEL_VALGRIND_LOGS").isEmpty()) << "run through valgrind-round.sh";
    BoardPlay boards[2] = {BoardPlay(0), BoardPlay(1)};
    int guesses = 0;
    QString failure;
    ASSERT_TRUE(Play().PlayRound(boards, &guesses, &failure)) << failure.toStdString();
    const auto nextRoundShown = [](const QImage& s) {
        return !BoardView::IsBlack(s, BoardView::PhaseButtonArea());
    };
    ASSERT_TRUE(x.WaitFor(nextRoundShown, kWaitMs)) << "NEXT ROUND did not show";

    // Esc closes the window, and with it the game; a round has ended, so the game asks first.
    const QStringList vantelWindows = {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                       QStringLiteral("--name"), QStringLiteral("^Vantel$")};
    const QByteArray game = x.Xdotool(vantelWindows).trimmed();
    x.Xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::fromLatin1(game)});
    x.Xdotool({QStringLiteral("key"), QStringLiteral("Escape")});
    QByteArray question;
    const auto asked = [&] {
        for (const QByteArray& id : x.Xdotool(vantelWindows).trimmed().split('\n'))
            if (!id.isEmpty() && id != game) question = id;
        return !question.isEmpty();
    };
    ASSERT_TRUE(WaitUntil(asked, kWaitMs)) << "Esc did not ask before quitting";
    const auto finished = [] {
        const QStringList logs = Logs();
        return !logs.isEmpty() && logs.first().contains(QStringLiteral("ERROR SUMMARY"));
    };
    // The question may show before it holds the keyboard, and a key sent then is lost: the answer
    // goes to the question itself, and again while the game has not ended.
    bool ended = false;
    for (int i = 0; i < kTries && !ended; ++i) {
        x.Xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::fromLatin1(question)});
        x.Xdotool({QStringLiteral("key"), QStringLiteral("q")});   // Quit
        ended = WaitUntil(finished, kWaitMs / kTries);
    }
    ASSERT_TRUE(ended) << "the game did not end after Esc";

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
