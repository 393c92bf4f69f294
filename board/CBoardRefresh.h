#pragma once
// Brings every control of the main window up to date with the game state in one pass. Each value
// written is painted at once, control by control, so the board never shows a half-old state for
// longer than the pass itself. It keeps no state: running it twice changes nothing.

#include "BoardControls.h"
#include "GameState.h"

class CBoardRefresh {
public:
    CBoardRefresh(BoardControls& controls, const GameState& state) : m_c(controls), m_s(state) {}

    void RefreshBoard();
    void RefreshScores();
    void RefreshFrames();
    void UpdateGuessButtons();

private:
    void RefreshCenter();
    void RefreshPegs();
    void RefreshTrays();
    void RefreshCodeRows();
    void RefreshGuessRows();
    void RefreshPhaseButtons();
    void UpdateGuessButtons(BoardWidgets& w, int closed, int rowFull, int row);

    BoardControls& m_c;
    const GameState& m_s;
};
