#pragma once
// Every control of the main window that the game changes, in three views: the two boards and the
// centre between them.

#include "CBoardView.h"
#include "CCentreView.h"

struct BoardControls {
    CBoardView boards[board::kCount] = {CBoardView(board::kShapes), CBoardView(board::kColors)};
    CCentreView centre;

    // The chip slots as the game sees them.
    SlotTable Slots();
    // Points every self-painting control at the sheet.
    void BindSprites(const CSpriteSheet* sheet);
};
