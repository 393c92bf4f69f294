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

// A click is made again only while its slot still shows what it showed, as one that landed late
// would otherwise place a second chip.
bool RoundPlay::ClickChip(const QRect& from, const QRect& slot, int value, int before) const
{
    for (int attempt = 0; attempt < tries; ++attempt) {
        x.Click(view.Map(from).center());
        if (x.WaitFor([&](const QImage& s) { return view.ShowsChip(s, slot, value); }, waitMs)) return true;
        if (!view.ShowsChip(x.Grab(), slot, before)) return false;
    }
    return false;
}

// A click on the chip rings it, the player's pick; then one click on the right chip, as a second
// would fill the slot the ring moves on to.
bool RoundPlay::MendChip(const BoardPlay& b, const QRect& slot, int shown, int attr) const
{
    bool ringed = false;
    for (int attempt = 0; attempt < tries && !ringed; ++attempt) {
        x.Click(view.Map(slot).center());
        ringed = x.WaitFor([&](const QImage& s) { return !view.ShowsChip(s, slot, shown); }, waitMs);
    }
    if (!ringed) return false;
    x.Click(view.Map(BoardView::Tray(b.board, attr - 1)).center());
    return x.WaitFor([&](const QImage& s) { return view.ShowsChip(s, slot, ChipValue(b.board, attr)); }, tries * waitMs);
}

// Each click fills the row's first empty slot; in a board's first row the second chip goes in
// wrong and is mended.
bool RoundPlay::ClickGuess(const BoardPlay& b, const Code& guess, int pegs[4], QString* failure) const
{
    for (int k = 0; k < 4; ++k) {
        const int value = ChipValue(b.board, guess[k]);
        const QRect slot = BoardView::Guess(b.board, b.row, k);
        const int wrong = guess[k] % 6 + 1;
        const bool landed =
            b.row == 0 && k == 1
                ? ClickChip(BoardView::Tray(b.board, wrong - 1), slot, ChipValue(b.board, wrong), 0) &&
                      MendChip(b, slot, ChipValue(b.board, wrong), guess[k])
                : ClickChip(BoardView::Tray(b.board, guess[k] - 1), slot, value, 0);
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
