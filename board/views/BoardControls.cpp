#include "BoardControls.h"

#include <algorithm>

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

std::vector<QRect> BoardControls::ShownCells() const
{
    std::vector<QRect> cells;
    const auto add = [&cells](const QRect& cell) {
        if (std::find(cells.begin(), cells.end(), cell) == cells.end()) cells.push_back(cell);
    };
    const QWidget* views[] = {&boards[board::kShapes], &boards[board::kColors], &centre};
    for (const QWidget* view : views) {
        for (const CSpriteCell* c : view->findChildren<const CSpriteCell*>()) add(c->ShownCell());
        for (const CGuessChip* c : view->findChildren<const CGuessChip*>()) {
            const sprites::Cell cell = sprites::GuessChipCell(c->m_nValue);
            add(QRect(cell.x, cell.y, sprites::kChipSize.w, sprites::kChipSize.h));
        }
    }
    return cells;
}
