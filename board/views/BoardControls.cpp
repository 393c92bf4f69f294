#include "BoardControls.h"

SlotTable BoardControls::Slots()
{
    SlotTable t;
    for (int b = 0; b < board::kCount; ++b) t.boards[b] = boards[b].Slots();
    return t;
}

void BoardControls::BindSprites(const CSpriteSheet* sheet)
{
    for (CBoardView& b : boards) b.BindSprites(sheet);
    centre.BindSprites(sheet);
}
