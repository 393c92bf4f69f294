#pragma once
// Every control of the main window that the game changes, in three views: the two boards and the
// centre between them.

#include "CBoardView.h"
#include "CCentreView.h"

#include <QRect>

#include <vector>

struct BoardControls {
    CBoardView boards[board::kCount] = {CBoardView(board::kShapes), CBoardView(board::kColors)};
    CCentreView centre;

    // The chip slots as the game sees them.
    SlotTable Slots();
    // Points every self-painting control at the sheet.
    void BindSprites(const CSpriteSheet* sheet);
    // The part of the sheet each self-painting control shows now, at scale 1, each once.
    std::vector<QRect> ShownCells() const;
};
