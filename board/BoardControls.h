#pragma once
// Every control of the main window that the game changes. Arrays run from the bottom row up
// and from left to right: guess slot and peg 4 * row + slot, row side piece 3 * row + piece.

#include "CBitmapButton.h"
#include "CCenterChip.h"
#include "CGuessChip.h"
#include "CNumbers.h"
#include "CScoreChip.h"
#include "CSideHoriz.h"
#include "CSideVert.h"
#include "ChipSlot.h"
#include "Variant.h"

struct BoardWidgets {
    CGuessChip guess[board::kGuessSlots];
    CGuessChip tray[board::kTraySlots];
    CGuessChip code[board::kSlots];
    CScoreChip pegs[board::kGuessSlots];
    CSideVert codeSides[2];
    CSideVert rowSides[3 * board::kRows];   // outer edge, between pegs and slots, other edge
    CSideVert traySides[2];
    CSideHoriz bars[4];                     // below the tray, above it, below the code row, above it
    CBitmapButton guessButtons[board::kRows];
};

struct BoardControls {
    static constexpr int kRoundDigits = 2 * variant::kMaxRounds;   // tens then units, per round
    static constexpr int kTotalDigits = 3;                         // hundreds, tens, units

    BoardWidgets boards[board::kCount];
    CCenterChip center[chips::kCount];
    CNumbers roundDigits[kRoundDigits];
    CNumbers totalDigits[kTotalDigits];
    CBitmapButton newGame;
    CBitmapButton nextRound;

    // The chip slots as the game sees them.
    SlotTable Slots();
    // Points every self-painting control at the sheet; the tray's side pieces copy a taller strip.
    void BindSprites(const CSpriteSheet* sheet);
};
