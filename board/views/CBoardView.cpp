#include "CBoardView.h"

namespace {

// The row an entry belongs to: its side pieces, pegs, slots and GUESS share the row's box.
int RowOf(const layout::Entry& e)
{
    using layout::Member;
    switch (e.member) {
    case Member::RowSides: return e.index / 3;
    case Member::Pegs:
    case Member::Guess: return e.index / board::kSlots;
    case Member::GuessButtons: return e.index;
    default: return -1;
    }
}

}  // namespace

CBoardView::CBoardView(int board, QWidget* parent) : CScaledView(parent)
{
    for (const layout::Entry& e : layout::BoardPlan(board)) Add(e, Control(e), RowOf(e));
    CloseGroups();
}

QWidget* CBoardView::Control(const layout::Entry& e)
{
    using layout::Member;
    switch (e.member) {
    case Member::Guess: return &guess[e.index];
    case Member::Tray: return &tray[e.index];
    case Member::Code: return &code[e.index];
    case Member::Pegs: return &pegs[e.index];
    case Member::CodeSides: return &codeSides[e.index];
    case Member::RowSides: return &rowSides[e.index];
    case Member::TraySides: return &traySides[e.index];
    case Member::Bars: return &bars[e.index];
    case Member::GuessButtons:
        guessButtons[e.index].AutoLoad(QString::fromLatin1(e.art));
        return &guessButtons[e.index];
    default: return nullptr;   // the board's label
    }
}

BoardSlots CBoardView::Slots()
{
    BoardSlots s;
    for (int i = 0; i < board::kGuessSlots; ++i) s.guess[i] = &guess[i];
    for (int i = 0; i < board::kTraySlots; ++i) s.tray[i] = &tray[i];
    for (int i = 0; i < board::kSlots; ++i) s.code[i] = &code[i];
    return s;
}

void CBoardView::BindSprites(const CSpriteSheet* sheet)
{
    for (CGuessChip& c : guess) c.m_pSprites = sheet;
    for (CGuessChip& c : tray) c.m_pSprites = sheet;
    for (CGuessChip& c : code) c.m_pSprites = sheet;
    for (CScoreChip& c : pegs) c.m_pSprites = sheet;
    for (CSideVert& c : codeSides) c.m_pSprites = sheet;
    for (CSideVert& c : rowSides) c.m_pSprites = sheet;
    for (CSideVert& c : traySides) {
        c.m_pSprites = sheet;
        c.m_nStretch = 1;
    }
    for (CSideHoriz& c : bars) c.m_pSprites = sheet;
}
