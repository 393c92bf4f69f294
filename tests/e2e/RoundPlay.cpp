#include "RoundPlay.h"

bool RoundPlay::DragChip(const QRect& from, const QRect& to, int value) const
{
    for (int attempt = 0; attempt < tries; ++attempt) {
        x.Drag(view.Map(from).center(), view.Map(to).center());
        if (x.WaitFor([&](const QImage& s) { return view.ShowsChip(s, to, value); }, waitMs)) return true;
    }
    return false;
}

bool RoundPlay::PressGuess(const BoardPlay& b, int pegs[4]) const
{
    const auto evaluated = [&](const QImage& s) {
        for (int k = 0; k < 4; ++k) {
            pegs[k] = view.ReadPeg(s, BoardView::Peg(b.board, b.row, k));
            if (pegs[k] < 1) return false;
        }
        return true;
    };
    for (int attempt = 0; attempt < tries; ++attempt) {
        x.Click(view.Map(BoardView::GuessButton(b.board, b.row)));
        if (x.WaitFor(evaluated, waitMs)) return true;
    }
    return false;
}

bool RoundPlay::PlayRow(BoardPlay& b, QString* failure) const
{
    const Code guess = b.solver.NextGuess();
    for (int k = 0; k < 4; ++k) {
        const int value = ChipValue(b.board, guess[k]);
        if (!DragChip(BoardView::Tray(b.board, guess[k] - 1), BoardView::Guess(b.board, b.row, k), value)) {
            *failure = QStringLiteral("chip %1 never landed in row %2").arg(value).arg(b.row);
            return false;
        }
    }
    int pegs[4] = {};
    if (!PressGuess(b, pegs)) {
        *failure = QStringLiteral("no pegs in row %1 of board %2").arg(b.row).arg(b.board);
        return false;
    }
    const Pegs answer = CountPegs(pegs);
    b.solver.Learn(guess, answer);
    b.last = guess;
    b.solved = answer.exact == 4;
    if (b.solved || ++b.row == kBoardRows) b.closed = true;
    return true;
}

bool RoundPlay::PlayRound(BoardPlay (&boards)[2], int* guesses, QString* failure) const
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
