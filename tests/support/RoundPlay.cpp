#include "RoundPlay.h"

bool RoundPlay::DragChip(const QRect& from, const QRect& to, int value) const
{
    for (int attempt = 0; attempt < tries; ++attempt) {
        x.Drag(view.Map(from).center(), view.Map(to).center());
        if (x.WaitFor([&](const QImage& s) { return view.ShowsChip(s, to, value); }, waitMs)) return true;
    }
    return false;
}

bool RoundPlay::ReadPegs(const QImage& shot, const BoardPlay& b, int pegs[4]) const
{
    for (int k = 0; k < 4; ++k) {
        pegs[k] = view.ReadPeg(shot, BoardView::Peg(b.board, b.row, k));
        if (pegs[k] < 1) return false;
    }
    return true;
}

bool RoundPlay::PressGuess(const BoardPlay& b, int pegs[4]) const
{
    for (int attempt = 0; attempt < tries; ++attempt) {
        x.Click(view.Map(BoardView::GuessButton(b.board, b.row)));
        if (x.WaitFor([&](const QImage& s) { return ReadPegs(s, b, pegs); }, waitMs)) return true;
    }
    return false;
}

bool RoundPlay::DragGuess(const BoardPlay& b, const Code& guess, int pegs[4], QString* failure) const
{
    for (int k = 0; k < 4; ++k) {
        const int value = ChipValue(b.board, guess[k]);
        if (!DragChip(BoardView::Tray(b.board, guess[k] - 1), BoardView::Guess(b.board, b.row, k), value)) {
            *failure = QStringLiteral("chip %1 never landed in row %2").arg(value).arg(b.row);
            return false;
        }
    }
    if (PressGuess(b, pegs)) return true;
    *failure = QStringLiteral("no pegs in row %1 of board %2").arg(b.row).arg(b.board);
    return false;
}

// Each click fills the row's first empty slot. A click is made again only while its slot stays
// empty, as one that landed late would otherwise fill the next slot too.
bool RoundPlay::ClickGuess(const BoardPlay& b, const Code& guess, int pegs[4], QString* failure) const
{
    for (int k = 0; k < 4; ++k) {
        const int value = ChipValue(b.board, guess[k]);
        const QRect slot = BoardView::Guess(b.board, b.row, k);
        bool landed = false;
        for (int attempt = 0; attempt < tries && !landed; ++attempt) {
            x.Click(view.Map(BoardView::Tray(b.board, guess[k] - 1)).center());
            landed = x.WaitFor([&](const QImage& s) { return view.ShowsChip(s, slot, value); }, waitMs);
            if (!landed && !view.ShowsChip(x.Grab(), slot, 0)) break;
        }
        if (!landed) {
            *failure = QStringLiteral("clicked chip %1 never landed in row %2").arg(value).arg(b.row);
            return false;
        }
    }
    if (PressGuess(b, pegs)) return true;
    *failure = QStringLiteral("no pegs in row %1 of board %2").arg(b.row).arg(b.board);
    return false;
}

bool RoundPlay::TypeGuess(const BoardPlay& b, const Code& guess, int pegs[4], QString* failure)
{
    QStringList keys;
    if (keyboardBoard != b.board) keys << QStringLiteral("Tab");
    keyboardBoard = b.board;
    // The ring stands on the row's first slot: four chips take it round the row and back.
    for (int v : guess) keys << QString::number(v);
    keys << QStringLiteral("Return");
    x.Keys(keys);
    if (x.WaitFor([&](const QImage& s) { return ReadPegs(s, b, pegs); }, tries * waitMs)) return true;
    *failure = QStringLiteral("typed row %1 of board %2 was never judged").arg(b.row).arg(b.board);
    return false;
}

bool RoundPlay::PlayRow(BoardPlay& b, QString* failure)
{
    const Code guess = b.solver.NextGuess();
    int pegs[4] = {};
    const bool entered = byKeys     ? TypeGuess(b, guess, pegs, failure)
                         : byClicks ? ClickGuess(b, guess, pegs, failure)
                                    : DragGuess(b, guess, pegs, failure);
    if (!entered) return false;
    const Pegs answer = CountPegs(pegs);
    b.solver.Learn(guess, answer);
    b.last = guess;
    b.solved = answer.exact == 4;
    if (b.solved || ++b.row == kBoardRows) b.closed = true;
    // A closed board hands the keyboard to the other.
    if (b.closed) keyboardBoard = 1 - b.board;
    return true;
}

bool RoundPlay::PlayRound(BoardPlay (&boards)[2], int* guesses, QString* failure)
{
    while (!boards[0].closed || !boards[1].closed) {
        for (BoardPlay& b : boards) {
            if (b.closed) continue;
            if (!PlayRow(b, failure)) return false;
            ++*guesses;
        }
    }
    return true;
}

Pegs CountPegs(const int pegs[4])
{
    Pegs p;
    for (int k = 0; k < 4; ++k) {
        p.exact += pegs[k] == 3;
        p.present += pegs[k] == 2;
    }
    return p;
}
