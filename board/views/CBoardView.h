#pragma once
// One board on screen, SHAPES or COLORS: its guess rows with their pegs and GUESS buttons, its code
// row, its tray and its frame. Arrays run from the bottom row up and from left to right: guess slot
// and peg 4 * row + slot, row side piece 3 * row + piece.

#include "CBitmapButton.h"
#include "CGuessChip.h"
#include "CScaledView.h"
#include "CScoreChip.h"
#include "CSideHoriz.h"
#include "CSideVert.h"
#include "ChipSlot.h"

class CBoardView : public CScaledView {
    Q_OBJECT
public:
    // `board` is 0 for SHAPES, 1 for COLORS.
    explicit CBoardView(int board, QWidget* parent = nullptr);

    // The chip slots as the game sees them.
    BoardSlots Slots();
    // Points every self-painting control at the sheet; the tray's side pieces copy a taller strip.
    void BindSprites(const CSpriteSheet* sheet);

    CGuessChip guess[board::kGuessSlots];
    CGuessChip tray[board::kTraySlots];
    CGuessChip code[board::kSlots];
    CScoreChip pegs[board::kGuessSlots];
    CSideVert codeSides[2];
    CSideVert rowSides[3 * board::kRows];   // outer edge, between pegs and slots, other edge
    CSideVert traySides[2];
    CSideHoriz bars[4];                     // below the tray, above it, below the code row, above it
    CBitmapButton guessButtons[board::kRows];

private:
    QWidget* Control(const layout::Entry& e);
};
