#pragma once
// The properties of one chip slot that the game writes. A slot on screen carries them;
// the engine reaches them through a SlotTable without knowing about any window.

#include <cstdint>

#include "Chips.h"

struct ChipSlot {
    int32_t m_nValue = chipvalue::kEmpty;   // what the slot shows
    int32_t m_nBoard = board::kShapes;      // set once at start-up
    int32_t m_nSlotKind = slotkind::kTray;  // set once at start-up
    int32_t m_bDragSource = 0;              // a chip may be dragged from here
    int32_t m_bDropTarget = 0;              // a dropped chip is accepted here
};

// Every chip slot of one board: guess slots indexed 4 * row + slot, row 0 at the bottom.
struct BoardSlots {
    ChipSlot* guess[board::kGuessSlots] = {};
    ChipSlot* tray[board::kTraySlots] = {};
    ChipSlot* code[board::kSlots] = {};
};

struct SlotTable {
    BoardSlots boards[board::kCount];
};

// Slots owned outright, for running the game without a window.
struct OwnedSlots {
    ChipSlot guess[board::kCount][board::kGuessSlots];
    ChipSlot tray[board::kCount][board::kTraySlots];
    ChipSlot code[board::kCount][board::kSlots];

    SlotTable Table() {
        SlotTable t;
        for (int b = 0; b < board::kCount; ++b) {
            for (int i = 0; i < board::kGuessSlots; ++i) t.boards[b].guess[i] = &guess[b][i];
            for (int i = 0; i < board::kTraySlots; ++i) t.boards[b].tray[i] = &tray[b][i];
            for (int i = 0; i < board::kSlots; ++i) t.boards[b].code[i] = &code[b][i];
        }
        return t;
    }
};
