#pragma once
// Where each picture lies in the sprite sheet, and which cell each control value selects.
// The one table of the sheet's geometry: the controls paint by it and the art program draws by it.
// Plain C++ so that both can use it.

namespace sprites {

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

// Chip slots: empty 0 and below, shapes 1..6, colours 7..12, hidden code 13 (looks empty),
// shape and colour not in play 14 and 15, slot out of play 16. Values from 17 on are never
// written; they continue the colour formula along the shape row.
constexpr Cell GuessChipCell(int v)
{
    if (v <= 0 || v == 13) return {742, 2};
    if (v <= 6) return {2 + 66 * (v - 1), 2};
    if (v <= 12) return {2 + 66 * (v - 7), 68};
    if (v == 14) return {398, 2};
    if (v == 15) return {398, 68};
    if (v == 16) return {808, 2};
    return {2 + 66 * (v - 7), 2};
}

// Pegs, left to right: no match (1), present (2), exact (3), no peg (0; 4 lands there too).
constexpr Cell ScoreChipCell(int v)
{
    const int a = v - 1 < 0 ? 3 : v - 1;
    return {502 + 50 * a, 86};
}

// Pool chips: i available, i + 36 eliminated; colour 1 at the bottom of each block.
constexpr Cell CenterChipCell(int v)
{
    const int col = v % 6;
    const int row = v / 6;
    return {2 + 98 * col, row < 6 ? 635 - 98 * row : 1811 - 98 * row};
}

// Digits: 10 * set + d, set 0 the round in play, 1 finished rounds, 2 totals; 30 blank.
constexpr Cell NumbersCell(int v)
{
    if (v == kBlankDigit) return {820, 690};
    return {600 + 22 * (v % 10), 690 + 31 * (v / 10)};
}

// Frame styles: 0 open board, 1 closed board, 2 (side pieces only) the current row's marker.
constexpr Cell SideHorizCell(int v) { return {464, 70 + 7 * v}; }
constexpr Cell SideVertCell(int v) { return {709 + 7 * v, 0}; }
constexpr Size SideVertSize(int stretch) { return {kSideWidth, kSideHeight + kSideStretchStep * stretch}; }

}  // namespace sprites
