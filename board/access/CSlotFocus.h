#pragma once
// Where the keyboard is on the boards: a slot of one board's current row, or of an earlier row of
// that board while the player looks back for a chip to pick up. Each board remembers its own
// column. The focused slot is marked only once the keyboard has been used, or a click has picked a
// chip of the current row to replace, so a game played with the pointer alone looks as it always
// did. From then on the ringed slot holds the window's keyboard
// focus, so a screen reader follows the ring; while both boards are closed the focus waits on the
// button that goes on (NEXT ROUND or NEW GAME) and no slot is ringed.

#include "BoardControls.h"
#include "GameState.h"

class CSlotFocus {
public:
    CSlotFocus(BoardControls& controls, const GameState& state);

    int Board() const { return m_nBoard; }
    int Column() const { return m_place[m_nBoard].column; }
    // The focused row: the board's current row, less the rows looked back.
    int Row() const { return CurrentRow(m_nBoard) - m_place[m_nBoard].back; }
    bool OnEarlierRow() const { return m_place[m_nBoard].back > 0; }

    CBoardView& View() { return m_c.boards[m_nBoard]; }
    CGuessChip& Slot() { return SlotAt(Row()); }
    // The focused column's slot in the current row, where chips land.
    CGuessChip& CurrentRowSlot() { return SlotAt(CurrentRow(m_nBoard)); }

    // Marks the focused slot from now on.
    void Show();
    // The slot that carries the ring, or null while the ring is hidden.
    const CGuessChip* Ringed() const { return m_pMarked; }
    // To `column` of `board`'s current row, where the player picked a chip to replace; shown.
    void Choose(int board, int column);
    // The ring stands where the player picked it and has not moved since.
    bool Chosen() const { return m_bChosen && m_pMarked != nullptr; }
    // Along the row's slots in play, round from the last to the first and back.
    void MoveAlongRow(int step);
    // Along the row to the next of its slots in play that holds no chip; false, staying, when
    // every one holds one.
    bool MoveToNextEmpty();
    // To earlier rows (positive) or back towards the current row, never past either end.
    void MoveBack(int rows);
    // To the other board, unless it is closed.
    void SwitchBoard();
    // After the game has changed: a new current row takes the focus back to it, a closed board
    // hands it to the other while that one is open, and columns out of play are left.
    void Follow();

private:
    struct Place {
        int column = 0;
        int back = 0;      // rows below the current row
        int seenRow = 0;   // the current row when the focus last looked
    };

    // Past the last row (a board missed in row 9) the last row stands in.
    int CurrentRow(int b) const;
    bool IsOpen(int b) const;
    // NEXT ROUND or NEW GAME while one shows, else null.
    QWidget* PhaseButton();
    int SlotsInPlay() const { return m_s.m_nCodeLength; }
    CGuessChip& SlotAt(int row) { return View().guess[board::kSlots * row + Column()]; }
    void Mark();

    BoardControls& m_c;
    const GameState& m_s;
    int m_nBoard = board::kShapes;
    Place m_place[board::kCount];
    bool m_bShown = false;
    bool m_bChosen = false;
    CGuessChip* m_pMarked = nullptr;
};
