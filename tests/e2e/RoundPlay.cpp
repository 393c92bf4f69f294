#include "RoundPlay.h"

bool RoundPlay::DragChip(const QRect& from, const QRect& to, int value) const
{
    for (int attempt = 0; attempt < tries; ++attempt) {
        x.Drag(from.center(), to.center());
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
        x.Click(BoardView::GuessButton(b.board, b.row));
        if (x.WaitFor(evaluated, waitMs)) return true;
    }
    return false;
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
