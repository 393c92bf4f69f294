#pragma once
// The whole state of a game in play: plain 32-bit integers, flags holding 0 or 1.
// Board arrays are [row][slot], row 0 at the bottom, slot 0 at the left.

#include <cstdint>

#include "Chips.h"
#include "Variant.h"

struct GameState {
    int32_t m_nChipOrder[chips::kCount];            // out-of-play chips first, then every round's code
    int32_t m_nRoundsCompleted;                     // rounds ended; also the round NEXT ROUND takes
    int32_t m_nRoundsPerGame;
    int32_t m_bColorsDone;                          // COLORS board closed (read by the SHAPES board)
    int32_t m_bShapesDone;                          // SHAPES board closed (read by the COLORS board)
    int32_t m_nShapesPegs[board::kRows][board::kSlots];
    int32_t m_nColorsPegs[board::kRows][board::kSlots];
    int32_t m_nShapesGuess[board::kRows][board::kSlots];   // 0 empty, 1..6, 16 out of play
    int32_t m_nColorsGuess[board::kRows][board::kSlots];   // colours stored as 1..6
    int32_t m_nCodeShapes[board::kSlots];
    int32_t m_nCodeColors[board::kSlots];
    int32_t m_nShapesRow;                           // 0..9; 10 after a miss in row 9
    int32_t m_nColorsRow;
    int32_t m_bShapesClosed;
    int32_t m_bColorsClosed;
    int32_t m_bShapesRowFull;
    int32_t m_bColorsRowFull;
    int32_t m_bShapesRevealed;                      // code's shapes shown above the COLORS board
    int32_t m_bColorsRevealed;                      // code's colours shown above the SHAPES board
    int32_t m_bRoundOver;
    int32_t m_nRoundIndex;                          // round being played or just ended
    int32_t m_bChipAvailable[chips::kCount];        // centre grid
    int32_t m_nRoundScores[variant::kMaxRounds];
    int32_t m_nPhase;
    int32_t m_nOutOfPlay;
    int32_t m_nVariant;
    int32_t m_nCodeLength;
};
