#pragma once
// The game played from the keyboard. Every key goes through what the pointer uses: a chip reaches
// its slot through the same drop as a drag, GUESS, NEXT ROUND and NEW GAME are pressed only while
// they are shown, so the game's own rules decide what a key may do.
//
//   Left, Right      the focus along the row's slots in play
//   Down, Up         to earlier rows of the board and back to the current row
//   Tab, Shift+Tab   to the other board, unless it is closed
//   1 to 6           that shape or colour from the tray into the focused slot; the focus moves on
//   Enter, Space     GUESS when offered; on an earlier row, that row's chip into the current row
//   Enter, N         NEXT ROUND or NEW GAME when shown
//
// A screen reader hears each chip that lands first, as an announcement, and then the ring's move
// as a move of the focus; the slot's new words are told once the ring has left it.

#include <QString>
#include <Qt>

#include "CSlotFocus.h"

class CKeyboardPlay {
public:
    CKeyboardPlay(BoardControls& controls, const GameState& state);

    // Plays `key` if it is one of the game's; false for any other key, which is left to others.
    bool OnKey(int key, Qt::KeyboardModifiers modifiers);
    // After the game has changed, the focus keeps to a current row.
    void Follow() { m_focus.Follow(); }
    const CSlotFocus& Focus() const { return m_focus; }
    // A chip the pointer put into `slot` without a drag: heard as a key's chip is, and the ring,
    // when it stood on that slot, moves on to where the next click puts a chip.
    void OnPlaced(CGuessChip& slot);
    // `slot` of a current row, picked by a click to take the next chip: the ring goes there.
    void Choose(const CGuessChip& slot);

private:
    bool Move(int key);
    void PutChip(int number);
    // Tells of the chip that landed in `slot`, then moves the ring on.
    void Landed(CGuessChip& slot, const QString& words);
    void TellLandedSlot();
    void PickUp();
    void Confirm();
    void PressGuess();
    bool PressPhaseButton();

    BoardControls& m_c;
    CSlotFocus m_focus;
    CGuessChip* m_pLanded = nullptr;   // the slot a chip landed in, until its new words are told
};
