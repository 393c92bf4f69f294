#pragma once
// Chips, chip values, pegs and the other small vocabularies of the game.

#include <cstdint>

namespace chips {

constexpr int kCount = 36;      // six shapes times six colours
constexpr int kShapes = 6;
constexpr int kColors = 6;
constexpr int kCircle = 6;      // shape 6
constexpr int kRed = 6;         // colour 6

// Chip index 0..35: shape = index mod 6 + 1, colour = index div 6 + 1.
constexpr int ShapeOf(int index) { return index % kShapes + 1; }
constexpr int ColorOf(int index) { return index / kShapes + 1; }
constexpr int IndexOf(int shape, int color) { return kShapes * (color - 1) + (shape - 1); }

}  // namespace chips

// What a chip slot holds (m_nValue of a chip slot).
namespace chipvalue {
constexpr int kEmpty = 0;
constexpr int kFirstShape = 1;   // shape n is value n
constexpr int kLastShape = 6;
constexpr int kFirstColor = 7;   // colour n is value 6 + n
constexpr int kLastColor = 12;
constexpr int kHiddenCode = 13;
constexpr int kShapeNotInPlay = 14;
constexpr int kColorNotInPlay = 15;
constexpr int kSlotOutOfPlay = 16;

constexpr bool IsShape(int v) { return v >= kFirstShape && v <= kLastShape; }
constexpr bool IsColor(int v) { return v >= kFirstColor && v <= kLastColor; }
constexpr bool IsChip(int v) { return IsShape(v) || IsColor(v); }
}  // namespace chipvalue

// Feedback pegs beside each guess slot.
namespace peg {
constexpr int kNone = 0;       // slot out of play, or the current row of an open board
constexpr int kNoMatch = 1;    // also every row not yet evaluated
constexpr int kPresent = 2;    // right attribute in another place
constexpr int kExact = 3;      // right attribute in the right place
}  // namespace peg

namespace board {
constexpr int kShapes = 0;
constexpr int kColors = 1;
constexpr int kCount = 2;
constexpr int kRows = 10;
constexpr int kSlots = 4;        // slots per row, in play or not
constexpr int kTraySlots = 6;
constexpr int kGuessSlots = kRows * kSlots;
// The chip value of a board's first chip: a shape's value on SHAPES, a colour's on COLORS.
constexpr int FirstChip(int b) { return b == kShapes ? chipvalue::kFirstShape : chipvalue::kFirstColor; }
}  // namespace board

namespace slotkind {
constexpr int kTray = 0;
constexpr int kGuess = 1;
constexpr int kCode = 2;
}  // namespace slotkind

namespace phase {
constexpr int kPlaying = 0;
constexpr int kRoundOver = 1;   // NEXT ROUND offered
constexpr int kGameOver = 2;    // NEW GAME offered
}  // namespace phase
