#pragma once
// Playing a round with the real pointer, or with the keyboard alone: the moves every end-to-end
// check shares, at any board scale. X is asynchronous, so each pointer move is retried until the
// window shows its effect; keys are typed once, as a retried key would land twice.

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
    // Chips typed by number and GUESS pressed with Enter, never the pointer. The keyboard starts
    // on the SHAPES board and stays on the board it plays until that board closes.
    bool byKeys = false;
    int keyboardBoard = 0;
    // Chips placed by clicks alone, never dragged; each board's first row with a wrong chip that
    // two clicks mend.
    bool byClicks = false;

    // Drags until the chip `value` shows at `to`; false when it never does.
    bool DragChip(const QRect& from, const QRect& to, int value) const;
    // Presses the current row's GUESS until its four pegs show and reads them into `pegs`
    // (3 exact, 2 present, 1 no match); false when they never show.
    bool PressGuess(const BoardPlay& b, int pegs[4]) const;
    // The guess dragged into the board's current row and GUESS pressed, or typed and Enter
    // pressed; then the pegs read. False, saying why in `failure`, when the pegs never show.
    bool DragGuess(const BoardPlay& b, const Code& guess, int pegs[4], QString* failure) const;
    bool TypeGuess(const BoardPlay& b, const Code& guess, int pegs[4], QString* failure);
    bool ClickGuess(const BoardPlay& b, const Code& guess, int pegs[4], QString* failure) const;
    // Clicks `from` until `slot` shows `value`, clicking again only while `slot` still shows `before`.
    bool ClickChip(const QRect& from, const QRect& slot, int value, int before) const;
    // The chip `shown` in `slot` replaced by two clicks: on it, which puts the ring there, then on
    // the tray's chip of attribute `attr`.
    bool MendChip(const BoardPlay& b, const QRect& slot, int shown, int attr) const;
    // Plays the board's current row from its tray: the solver's next guess entered, the pegs read
    // and learnt; false, saying why in `failure`, when a move never shows.
    bool PlayRow(BoardPlay& b, QString* failure);
    // Plays both boards, row by row, until both have closed, counting the guesses.
    bool PlayRound(BoardPlay (&boards)[2], int* guesses, QString* failure);
    // The row's four pegs as `shot` shows them; false until all four are judged.
    bool ReadPegs(const QImage& shot, const BoardPlay& b, int pegs[4]) const;
};

// The counts of a row's pegs.
Pegs CountPegs(const int pegs[4]);
