#include "BoardControls.h"

SlotTable BoardControls::Slots()
{
    SlotTable t;
    for (int b = 0; b < board::kCount; ++b) {
        BoardWidgets& w = boards[b];
        for (int i = 0; i < board::kGuessSlots; ++i) t.boards[b].guess[i] = &w.guess[i];
        for (int i = 0; i < board::kTraySlots; ++i) t.boards[b].tray[i] = &w.tray[i];
        for (int i = 0; i < board::kSlots; ++i) t.boards[b].code[i] = &w.code[i];
    }
    return t;
}

void BoardControls::BindSprites(const CSpriteSheet* sheet)
{
    for (BoardWidgets& w : boards) {
        for (CGuessChip& c : w.guess) c.m_pSprites = sheet;
        for (CGuessChip& c : w.tray) c.m_pSprites = sheet;
        for (CGuessChip& c : w.code) c.m_pSprites = sheet;
        for (CScoreChip& c : w.pegs) c.m_pSprites = sheet;
        for (CSideVert& c : w.codeSides) c.m_pSprites = sheet;
        for (CSideVert& c : w.rowSides) c.m_pSprites = sheet;
        for (CSideVert& c : w.traySides) {
            c.m_pSprites = sheet;
            c.m_nStretch = 1;
        }
        for (CSideHoriz& c : w.bars) c.m_pSprites = sheet;
    }
    for (CCenterChip& c : center) c.m_pSprites = sheet;
    for (CNumbers& c : roundDigits) c.m_pSprites = sheet;
    for (CNumbers& c : totalDigits) c.m_pSprites = sheet;
}
