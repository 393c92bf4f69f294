#include "CGameNews.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

#include "AccessibleWords.h"
#include "BoardFields.h"
#include "CAnnouncer.h"
#include "CCentreView.h"
#include "PictureWords.h"

namespace {

struct Tr {
    Q_DECLARE_TR_FUNCTIONS(CGameNews)
};

int Total(const GameState& s)
{
    int total = 0;
    for (int score : s.m_nRoundScores) total += score;
    return total;
}

}  // namespace

QString CGameNews::Since(bool recorded)
{
    const GameState& was = m_told;
    const GameState& now = m_s;
    QStringList news;
    const bool started = m_bStarted;
    // A round begins with both boards open on their first rows and nothing scored; a new game or
    // a new variant may also start one while another is under way.
    const bool fresh = now.m_nPhase == phase::kPlaying && now.m_nShapesRow == 0 && now.m_nColorsRow == 0 &&
                       now.m_nRoundScores[now.m_nRoundIndex] == 0;
    if (started && fresh && (was.m_nPhase != phase::kPlaying || was.m_nRoundIndex != now.m_nRoundIndex ||
                             was.m_nShapesRow + was.m_nColorsRow > 0 || was.m_bShapesClosed || was.m_bColorsClosed)) {
        news << NewRound();
    } else if (started && was.m_nRoundIndex == now.m_nRoundIndex) {
        // The row's result and the score first, then what a closed board gives away.
        QStringList closed;
        for (int b = 0; b < board::kCount; ++b) {
            const BoardFields before = BoardFieldsOf(was, b), after = BoardFieldsOf(now, b);
            if (after.row > before.row || (after.closed && !before.closed)) news << JudgedRow(b);
            if (after.closed && !before.closed) closed << Closed(b);
        }
        const bool ended = now.m_nPhase != was.m_nPhase && now.m_nPhase != phase::kPlaying;
        if (ended) {
            news << RoundEnd(recorded);
        } else if (now.m_nRoundScores[now.m_nRoundIndex] != was.m_nRoundScores[was.m_nRoundIndex]) {
            const int round = now.m_nRoundIndex;
            news << Tr::tr("round %1 score %2").arg(round + 1).arg(now.m_nRoundScores[round]);
        }
        news << closed;
        if (ended) news << GoOn();
    }
    m_told = now;
    m_bStarted = true;
    return news.join(QStringLiteral(". "));
}

void CGameNews::Tell(QWidget* window, bool recorded)
{
    CAnnouncer::Of(window).Announce(Since(recorded));
}

QString CGameNews::NewRound() const
{
    const int round = m_s.m_nRoundIndex + 1;
    return round == 1 ? Tr::tr("new game, round %1 of %2").arg(round).arg(m_s.m_nRoundsPerGame)
                      : Tr::tr("round %1 of %2").arg(round).arg(m_s.m_nRoundsPerGame);
}

// The row the board was on, as its pegs judged it. A board missed in its last row closes
// without a row of its own to move to.
QString CGameNews::JudgedRow(int board) const
{
    const BoardFields was = BoardFieldsOf(m_told, board);
    const int row = std::clamp(was.row, 0, board::kRows - 1);
    //: A row judged: "SHAPES row 3: 1 right place, 2 right chip elsewhere".
    return Tr::tr("%1 row %2: %3")
        .arg(words::BoardName(board))
        .arg(row + 1)
        .arg(words::PegResult(BoardFieldsOf(m_s, board).pegs[row], m_s.m_nCodeLength));
}

// Closed, solved or not, and what its code shows above the other board from now on.
QString CGameNews::Closed(int board) const
{
    const BoardFields now = BoardFieldsOf(m_s, board);
    QStringList code;
    for (int k = 0; k < m_s.m_nCodeLength; ++k)
        code << (board == board::kShapes ? words::Shape(now.code[k]) : words::Colour(now.code[k]));
    const bool solved = now.row < board::kRows;   // a missed last row moves the board past it
    const QString name = words::BoardName(board), half = code.join(QStringLiteral(", "));
    //: %1 is the board's name, %2 the code's shapes or colours: "star, heart, club, club".
    if (board == board::kShapes)
        return solved ? Tr::tr("%1 board closed, solved; the code's shapes: %2").arg(name, half)
                      : Tr::tr("%1 board closed, not solved; the code's shapes: %2").arg(name, half);
    return solved ? Tr::tr("%1 board closed, solved; the code's colours: %2").arg(name, half)
                  : Tr::tr("%1 board closed, not solved; the code's colours: %2").arg(name, half);
}

QString CGameNews::RoundEnd(bool recorded) const
{
    const int round = m_s.m_nRoundIndex;
    const QString end = Tr::tr("round %1 over, score %2").arg(round + 1).arg(m_s.m_nRoundScores[round]);
    if (m_s.m_nPhase != phase::kGameOver) return end;
    //: %2 is the note THIS GAME COULD NOT BE RECORDED.
    const QString total = recorded ? Tr::tr("Game over, total score %1, recorded in the high scores").arg(Total(m_s))
                                   : Tr::tr("Game over, total score %1, %2").arg(Total(m_s)).arg(CCentreView::UnrecordedNoteText());
    return end + QStringLiteral(". ") + total;
}

// The button that goes on, which takes the keyboard's focus next.
QString CGameNews::GoOn() const
{
    return picturewords::WordsOf(m_s.m_nPhase == phase::kGameOver ? QStringLiteral("NEWGAME")
                                                                  : QStringLiteral("NEXTROUND"));
}
