// The real program on its own X display, played as a blind player plays it: every key is chosen
// from what a listener on the accessibility bus heard, never from the screen. The ring's words say
// which board, row and slot a chip lands in; the news comes before anything else a key brings, as
// a screen reader speaks in turn and the next key cuts it short: the chip that landed, and after
// GUESS what the row scored, which the solver learns from.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include <cstdio>
#include <string>

#include "AtSpiListener.h"
#include "CodeSolver.h"
#include "GameWindowTest.h"

namespace {

const char* const kBoards[] = {"SHAPES", "COLORS"};
const char* const kWords[2][6] = {{"star", "club", "diamond", "heart", "spade", "circle"},
                                  {"blue", "orange", "purple", "green", "yellow", "red"}};

const QRegularExpression kFocus(QStringLiteral("^focus: "));
const QRegularExpression kFocusOrNote(QStringLiteral("^(focus|notification): "));
const QRegularExpression kHeard(QStringLiteral("^(focus|notification|name): "));
const QRegularExpression kLine(QStringLiteral("^line: "));
const QRegularExpression kSlot(QStringLiteral("^focus: (SHAPES|COLORS) row (\\d+), slot (\\d): (.*)$"));
const QRegularExpression kResult(QStringLiteral("^notification: (SHAPES|COLORS) row (\\d+): ([^.]*)"));

// The pegs in the words of a result: "1 right place, 2 right chip elsewhere", "no match".
Pegs Said(const QString& words)
{
    Pegs p;
    const QRegularExpressionMatch exact = QRegularExpression(QStringLiteral("(\\d) right place")).match(words);
    const QRegularExpressionMatch present = QRegularExpression(QStringLiteral("(\\d) right chip elsewhere")).match(words);
    if (exact.hasMatch()) p.exact = exact.captured(1).toInt();
    if (present.hasMatch()) p.present = present.captured(1).toInt();
    return p;
}

class ScreenReaderRoundTest : public GameWindowTest {
protected:
    void SetUp() override
    {
        const QString missing = AtSpiListener::Missing();
        if (!missing.isEmpty())
            GTEST_SKIP() << "missing " << missing.toStdString() << " (run in tests/support/a11y-session.sh)";
        QString error;
        ASSERT_TRUE(ears.Start(&error)) << error.toStdString();
        GameWindowTest::SetUp();
    }

    void TearDown() override
    {
        for (const QString& line : ears.Heard()) std::printf("heard %s\n", qPrintable(line));
    }

    // Presses `key` and gives the focus line it brings, and in `note` the notification heard before it.
    QString Press(const QString& key, QString* note = nullptr)
    {
        x.Keys({key});
        for (QString line; !(line = ears.Next(kFocusOrNote)).isEmpty();) {
            if (line.startsWith(QStringLiteral("focus: "))) return line;
            if (note != nullptr) *note = line;
        }
        return QString();
    }

    AtSpiListener ears;
};

}  // namespace

TEST_F(ScreenReaderRoundTest, ARoundIsPlayedWithKeysChosenFromWhatTheScreenReaderHeardAlone)
{
    ASSERT_EQ(Press(QStringLiteral("Right")), QStringLiteral("focus: SHAPES row 1, slot 2: empty"));
    QString focus = Press(QStringLiteral("Left"));
    ASSERT_EQ(focus, QStringLiteral("focus: SHAPES row 1, slot 1: empty"));
    CodeSolver solvers[2];
    int guesses = 0, unsolved = 0;
    QString note;
    while (focus != QStringLiteral("focus: NEXT ROUND")) {
        ASSERT_LT(guesses, 20) << "the round never ended";
        QRegularExpressionMatch ring = kSlot.match(focus);
        ASSERT_TRUE(ring.hasMatch()) << focus.toStdString();
        const int b = ring.captured(1) == QLatin1String("COLORS") ? 1 : 0;
        const QString row = ring.captured(2);
        // To the row's first slot, by the slot the words name.
        for (int step = 0; step < 4 && ring.captured(3) != QLatin1String("1"); ++step)
            ring = kSlot.match(focus = Press(QStringLiteral("Left")));
        ASSERT_EQ(ring.captured(3), QStringLiteral("1")) << focus.toStdString();
        const Code guess = solvers[b].NextGuess();
        for (int k = 0; k < 4; ++k) {
            x.Keys({QString::number(guess[k])});
            const QLatin1String chip(kWords[b][guess[k] - 1]);
            // The chip first; its slot's new name once the ring has left it, so a reader stays quiet on it.
            EXPECT_EQ(ears.Next(kHeard), QStringLiteral("notification: %1 in slot %2").arg(chip).arg(k + 1));
            focus = ears.Next(kHeard);
            ASSERT_TRUE(kSlot.match(focus).hasMatch()) << "the ring was not heard moving on: " << focus.toStdString();
            EXPECT_EQ(ears.Next(kHeard),
                      QStringLiteral("name: %1 row %2, slot %3: %4").arg(QLatin1String(kBoards[b]), row).arg(k + 1).arg(chip));
        }
        focus = Press(QStringLiteral("Return"), &note);
        const QRegularExpressionMatch result = kResult.match(note);
        ASSERT_TRUE(result.hasMatch()) << "GUESS was not heard: " << note.toStdString();
        EXPECT_EQ(result.captured(1), QLatin1String(kBoards[b]));
        EXPECT_EQ(result.captured(2), row);
        const Pegs pegs = Said(result.captured(3));
        solvers[b].Learn(guess, pegs);
        ++guesses;
        const bool closed = note.contains(QStringLiteral("%1 board closed").arg(QLatin1String(kBoards[b])));
        EXPECT_EQ(closed, pegs.exact == 4 || row == QLatin1String("10")) << note.toStdString();
        unsolved += closed && pegs.exact != 4;
    }
    const int score = guesses + 2 * unsolved;
    // The last row's result, then the round's score, before the code it gives away and the button.
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^notification: [A-Z]+ row \\d+: [^.]*\\. round 1 over, score %1\\. ").arg(score))
                    .match(note)
                    .hasMatch())
        << note.toStdString();
    EXPECT_TRUE(note.endsWith(QStringLiteral(". NEXT ROUND"))) << note.toStdString();
    // NEXT ROUND, pressed where the focus waits: the next round is heard beginning.
    focus = Press(QStringLiteral("Return"), &note);
    EXPECT_EQ(note, QStringLiteral("notification: round 2 of 8"));
    EXPECT_TRUE(kSlot.match(focus).hasMatch()) << focus.toStdString();
    std::printf("A round by the screen reader's words alone: %d guesses, score %d, %d lines heard\n", guesses, score,
                static_cast<int>(ears.Heard().size()));
}

TEST_F(ScreenReaderRoundTest, MenuAndShiftF10OpenOneMenuHeardAsAMenuOnItsFirstItemAndEscHandsTheFocusBackToTheRing)
{
    ASSERT_EQ(Press(QStringLiteral("Right")), QStringLiteral("focus: SHAPES row 1, slot 2: empty"));
    for (const QString& key : {QStringLiteral("Menu"), QStringLiteral("shift+F10")}) {
        QString note;
        EXPECT_EQ(Press(key, &note), QStringLiteral("focus: Instructions")) << key.toStdString();
        EXPECT_EQ(note, QStringLiteral("notification: menu")) << key.toStdString();
        // A second menu behind the first would take the focus here instead.
        EXPECT_EQ(Press(QStringLiteral("Escape")), QStringLiteral("focus: SHAPES row 1, slot 2: empty")) << key.toStdString();
    }
}

TEST_F(ScreenReaderRoundTest, F1OpensTheHelpAsADocumentReadByTheLineWhoseLinksAreHeardAndReadOnFromTheirSections)
{
    ASSERT_EQ(Press(QStringLiteral("Right")), QStringLiteral("focus: SHAPES row 1, slot 2: empty"));
    x.Keys({QStringLiteral("F1")});
    // Keys to the help's own window from here on, which the game's keys would take from it.
    const auto help = [this](const QString& key) {
        x.Xdotool({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--name"), QStringLiteral("Instructions"),
                   QStringLiteral("windowfocus"), QStringLiteral("--sync"), QStringLiteral("%1"), QStringLiteral("key"), key});
    };
    help(QStringLiteral("ctrl+Home"));
    EXPECT_EQ(ears.Next(kFocus).toStdString(), "focus: Vantel – Instructions");
    EXPECT_EQ(ears.Next(QRegularExpression(QStringLiteral("^document: "))).toStdString(), "document: Vantel – Instructions");
    const QRegularExpression kChild(QStringLiteral("^child: "));
    for (const char* name : {"The two boards", "Reading the pegs", "Closing a board", "The centre grid", "Scoring",
                             "The three variants", "The window", "High scores and configuration",
                             "Playing with the keys"})
        EXPECT_EQ(ears.Next(kChild, nullptr, 2000).toStdString(), std::string("child: link ") + name);
    EXPECT_EQ(ears.Next(kChild, nullptr, 500).toStdString(), "") << "more than the contents' links";

    // Down reads the next line as shown, not its whole paragraph; Tab lands on the first link.
    help(QStringLiteral("Down"));
    const std::string line = ears.Next(QRegularExpression(QStringLiteral("^line: Vantel"))).toStdString();
    EXPECT_EQ(line.rfind("line: Vantel is a code-breaking puzzle for one player.", 0), 0u) << line;
    EXPECT_EQ(line.find("the better."), std::string::npos) << line;
    help(QStringLiteral("Tab"));
    EXPECT_EQ(ears.Next(kFocus).toStdString(), "focus: The two boards");

    // Followed, the link hands the focus back to the page, read on from the section's heading.
    help(QStringLiteral("Return"));
    EXPECT_EQ(ears.Next(kFocus).toStdString(), "focus: Vantel – Instructions");
    EXPECT_EQ(ears.Next(kLine).toStdString(), "line: The two boards");
    help(QStringLiteral("Down"));
    EXPECT_NE(ears.Next(QRegularExpression(QStringLiteral("^line: The SHAPES board on the left"))), QString());
    help(QStringLiteral("Tab"));   // no link further on: round to the first
    EXPECT_EQ(ears.Next(kFocus).toStdString(), "focus: The two boards");
    help(QStringLiteral("Tab"));
    EXPECT_EQ(ears.Next(kFocus).toStdString(), "focus: Reading the pegs");
}
