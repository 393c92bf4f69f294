#pragma once
// One board's fields of a game state, read through references: the two boards are twins, and this
// is the one place that says which of the state's fields belong to which board.

#include <cstdint>

#include "Chips.h"
#include "GameState.h"

struct BoardFields {
    const int32_t (&guess)[board::kRows][board::kSlots];
    const int32_t (&pegs)[board::kRows][board::kSlots];
    const int32_t (&code)[board::kSlots];   // the board's half of the code: shapes, or colours
    const int32_t& row;
    const int32_t& closed;
    const int32_t& rowFull;
    const int32_t& revealed;   // the board's half of the code shows above the other board
};

// `board` is board::kShapes or board::kColors; the fields live as long as `state`.
BoardFields BoardFieldsOf(const GameState& state, int board);
