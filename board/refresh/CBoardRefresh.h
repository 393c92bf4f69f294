#pragma once
// Brings every control of the main window up to date with the game state in one pass. Each value
// written is painted at once, control by control, so the board never shows a half-old state for
// longer than the pass itself. It keeps no state of the game: running it twice changes nothing.
// Both boards go through the same steps, element by element, SHAPES before COLORS except where the
// order of repaints says otherwise.

#include "BoardControls.h"
#include "BoardFields.h"
#include "GameState.h"

class CBoardRefresh {
public:
    CBoardRefresh(BoardControls& controls, const GameState& state);

    void RefreshBoard();
    void RefreshScores();
    void RefreshFrames();
    void UpdateGuessButtons();

private:
    // One board as the refresh reads it: its view and its fields of the game state.
    struct Board {
        CBoardView& view;
        BoardFields own;
        int firstChip;   // the chip value of attribute 1 on this board: 1 shapes, 7 colours
        // The code row shows the other board's half of the code once that board has closed.
        BoardFields other;
        int otherFirstChip;
    };
    static Board BoardOf(BoardControls& controls, const GameState& state, int b);

    void RefreshCenter();
    void RefreshPegs();
    void RefreshTrays();
    void RefreshCodeRows();
    void RefreshGuessRows();
    void RefreshPhaseButtons();
    void UpdateGuessButtons(const Board& b);

    int PegShown(const Board& b, int r, int k) const;
    int TrayShown(const Board& b, int k) const;
    int CodeShown(const Board& b, int k) const;
    int GuessShown(const Board& b, int r, int k) const;
    // Frame pieces: open or closed, and an open board's current row marked.
    static int BoardStyle(const Board& b);
    static int RowStyle(const Board& b, int r);
    bool SlotInPlay(int k) const;

    BoardControls& m_c;
    const GameState& m_s;
    const Board m_boards[board::kCount];
    const Board* const m_colorsFirst[board::kCount];
};
