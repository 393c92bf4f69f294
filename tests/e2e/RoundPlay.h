#pragma once
// Playing a round with the real pointer: the moves every end-to-end check shares, at any board
// scale. X is asynchronous, so each move is retried until the window shows its effect.

#include <QRect>
#include <QString>

#include "BoardView.h"
#include "CodeSolver.h"
#include "XSession.h"

// One board as the pointer plays it.
struct BoardPlay {
    explicit BoardPlay(int b) : board(b) {}
    int board;
    int row = 0;
    bool closed = false;
    bool solved = false;
    CodeSolver solver;
    Code last{};
};

constexpr int kBoardRows = 10;

// The chip value of attribute v (1 to 6) on a board.
inline int ChipValue(int board, int v) { return board == 0 ? v : v + 6; }

struct RoundPlay {
    const XSession& x;
    const BoardView& view;
    int tries;    // attempts of each move
    int waitMs;   // how long each attempt waits for the window

    // Drags until the chip `value` shows at `to`; false when it never does.
    bool DragChip(const QRect& from, const QRect& to, int value) const;
    // Presses the current row's GUESS until its four pegs show and reads them into `pegs`
    // (3 exact, 2 present, 1 no match); false when they never show.
    bool PressGuess(const BoardPlay& b, int pegs[4]) const;
    // Plays the board's current row from its tray: the solver's next guess dragged in, GUESS
    // pressed, the pegs read and learnt; false, saying why in `failure`, when a move never shows.
    bool PlayRow(BoardPlay& b, QString* failure) const;
    // Plays both boards, row by row, until both have closed, counting the guesses.
    bool PlayRound(BoardPlay (&boards)[2], int* guesses, QString* failure) const;
};

// The counts of a row's pegs.
Pegs CountPegs(const int pegs[4]);
