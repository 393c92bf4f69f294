#pragma once
// Where each picture lies in the sprite sheet, and which cell each control value selects.
// The one table of the sheet's geometry: the controls paint by it and the art program draws by it.
// Plain C++ so that both can use it.

#include "Chips.h"

namespace sprites {

// The sheet's files in the game's folder: the plain sheet, and its twin drawn at twice the resolution.
// The build writes them where art/CMakeLists.txt says; this is where the game and the art program
// look.
constexpr const char* kSheetFile = "images/vantel6.bmp";
constexpr const char* kSheetFile2x = "images/vantel6@2x.png";
constexpr const char* kSheetFile2xCells = "images/vantel6@2x.cells";   // its cells, each compressed alone

struct Cell {
    int x;
    int y;
    bool operator==(const Cell& o) const { return x == o.x && y == o.y; }
};

struct Size {
    int w;
    int h;
};

// The sheet must reach the end of the frame bars (x 940) and of the lowest pool chips (y 1318).
constexpr int kSheetWidth = 941;
constexpr int kSheetHeight = 1319;
constexpr int kGap = 2;   // between neighbouring cells of one kind

// Copied sizes, per control class.
constexpr Size kChipSize{64, 64};
constexpr Size kPegSize{48, 48};
constexpr Size kPoolSize{96, 96};
constexpr Size kDigitSize{20, 29};
constexpr Size kBarSize{477, 5};
constexpr int kSideWidth = 5;
constexpr int kSideHeight = 64;      // plus 6 for each step of stretch
constexpr int kSideStretchStep = 6;
constexpr int kSideCellHeight = 70;  // the cell drawn in the sheet, tall enough for stretch 1
constexpr int kBlankDigit = 30;

// Cells of one kind lie side by side, a gap apart.
constexpr int kChipPitch = kChipSize.w + kGap;
constexpr int kPegPitch = kPegSize.w + kGap;
constexpr int kPoolPitch = kPoolSize.w + kGap;
constexpr int kDigitPitch = kDigitSize.w + kGap;      // along a set
constexpr int kDigitSetPitch = kDigitSize.h + kGap;   // from one set to the next
constexpr int kFramePitch = kSideWidth + kGap;        // side pieces across, bars down: both 5 thick

// Where each run of cells begins.
constexpr Cell kShapeChips{2, 2};
constexpr Cell kColorChips{2, 68};
constexpr Cell kNotInPlay{kShapeChips.x + 6 * kChipPitch, kShapeChips.y};   // seventh of each chip row
constexpr Cell kEmptySlot{742, 2};
constexpr Cell kOutOfPlaySlot{kEmptySlot.x + kChipPitch, kEmptySlot.y};
constexpr Cell kSidePieces{709, 0};
constexpr Cell kBars{464, 70};
constexpr Cell kPegs{502, 86};
constexpr Cell kPoolAvailableTop{2, 145};    // colour 6; colour 1 lies five rows lower
constexpr Cell kPoolEliminatedTop{2, 733};
constexpr Cell kDigits{600, 690};
constexpr Cell kBlankDigitCell{kDigits.x + 10 * kDigitPitch, kDigits.y};   // right of set 0's 9

// Chip slots: empty and below, shapes, colours, the hidden code (it looks empty), the shape and the
// colour not in play, the slot out of play. Values past the last are never written; they continue
// the colour formula along the shape row.
constexpr Cell GuessChipCell(int v)
{
    using namespace chipvalue;
    if (v <= kEmpty || v == kHiddenCode) return kEmptySlot;
    if (v <= kLastShape) return {kShapeChips.x + kChipPitch * (v - kFirstShape), kShapeChips.y};
    if (v <= kLastColor) return {kColorChips.x + kChipPitch * (v - kFirstColor), kColorChips.y};
    if (v == kShapeNotInPlay) return {kNotInPlay.x, kShapeChips.y};
    if (v == kColorNotInPlay) return {kNotInPlay.x, kColorChips.y};
    if (v == kSlotOutOfPlay) return kOutOfPlaySlot;
    return {kShapeChips.x + kChipPitch * (v - kFirstColor), kShapeChips.y};
}

// Pegs, left to right: no match, present, exact, then no peg (a value past exact lands there too).
constexpr Cell ScoreChipCell(int v)
{
    const int a = v - 1 < 0 ? 3 : v - 1;
    return {kPegs.x + kPegPitch * a, kPegs.y};
}

// Pool chips: i available, i + 36 eliminated; colour 1 at the bottom of each block.
constexpr Cell CenterChipCell(int v)
{
    const int col = v % 6;
    const int row = v / 6;   // 0 to 5 available, 6 to 11 the same colours eliminated
    const int x = kPoolAvailableTop.x + kPoolPitch * col;
    if (row < 6) return {x, kPoolAvailableTop.y + kPoolPitch * (5 - row)};
    return {x, kPoolEliminatedTop.y + kPoolPitch * (11 - row)};
}

// Digits: 10 * set + d, set 0 the round in play, 1 finished rounds, 2 totals; 30 blank.
constexpr Cell NumbersCell(int v)
{
    if (v == kBlankDigit) return kBlankDigitCell;
    return {kDigits.x + kDigitPitch * (v % 10), kDigits.y + kDigitSetPitch * (v / 10)};
}

// Frame styles: 0 open board, 1 closed board, 2 (side pieces only) the current row's marker.
constexpr Cell SideHorizCell(int v) { return {kBars.x, kBars.y + kFramePitch * v}; }
constexpr Cell SideVertCell(int v) { return {kSidePieces.x + kFramePitch * v, kSidePieces.y}; }
constexpr Size SideVertSize(int stretch) { return {kSideWidth, kSideHeight + kSideStretchStep * stretch}; }

}  // namespace sprites
