#include "CSlotFocus.h"

#include <algorithm>

#include "BoardFields.h"

CSlotFocus::CSlotFocus(BoardControls& controls, const GameState& state) : m_c(controls), m_s(state) {}

int CSlotFocus::CurrentRow(int b) const
{
    const int row = BoardFieldsOf(m_s, b).row;
    return std::clamp(row, 0, board::kRows - 1);
}

bool CSlotFocus::IsOpen(int b) const
{
    return BoardFieldsOf(m_s, b).closed == 0;
}

void CSlotFocus::Show()
{
    m_bShown = true;
    Mark();
}

void CSlotFocus::Choose(int board, int column)
{
    if (!IsOpen(board)) return;
    m_nBoard = board;
    m_place[board] = {std::clamp(column, 0, std::max(0, SlotsInPlay() - 1)), 0, CurrentRow(board)};
    m_bShown = true;
    Mark();
    m_bChosen = true;
}

void CSlotFocus::MoveAlongRow(int step)
{
    const int n = std::max(1, SlotsInPlay());
    Place& p = m_place[m_nBoard];
    p.column = ((p.column + step) % n + n) % n;
    Mark();
}

bool CSlotFocus::MoveToNextEmpty()
{
    const int n = std::max(1, SlotsInPlay());
    for (int step = 1; step < n; ++step) {
        const int column = (Column() + step) % n;
        if (View().guess[board::kSlots * Row() + column].m_nValue == chipvalue::kEmpty) {
            m_place[m_nBoard].column = column;
            Mark();
            return true;
        }
    }
    return false;
}

void CSlotFocus::MoveBack(int rows)
{
    Place& p = m_place[m_nBoard];
    p.back = std::clamp(p.back + rows, 0, CurrentRow(m_nBoard));
    Mark();
}

void CSlotFocus::SwitchBoard()
{
    if (IsOpen(1 - m_nBoard)) m_nBoard = 1 - m_nBoard;
    Mark();
}

void CSlotFocus::Follow()
{
    if (!IsOpen(m_nBoard) && IsOpen(1 - m_nBoard)) m_nBoard = 1 - m_nBoard;
    for (int b = 0; b < board::kCount; ++b) {
        Place& p = m_place[b];
        if (p.seenRow != CurrentRow(b)) p = {p.column, 0, CurrentRow(b)};
        p.column = std::clamp(p.column, 0, std::max(0, SlotsInPlay() - 1));
    }
    Mark();
}

QWidget* CSlotFocus::PhaseButton()
{
    for (CBitmapButton* button : {&m_c.centre.nextRound, &m_c.centre.newGame}) {
        if (!button->isHidden()) return button;
    }
    return nullptr;
}

void CSlotFocus::Mark()
{
    if (!m_bShown) return;
    CGuessChip* ringed = IsOpen(board::kShapes) || IsOpen(board::kColors) ? &Slot() : nullptr;
    if (ringed != m_pMarked) {
        if (m_pMarked != nullptr) m_pMarked->SetFocusMark(false);
        if (ringed != nullptr) ringed->SetFocusMark(true);
        m_pMarked = ringed;
        m_bChosen = false;   // a ring that moves leaves the player's pick behind
    }
    // Qt tells a screen reader of each move of the keyboard focus, with the new holder's words.
    if (ringed != nullptr) {
        ringed->setFocus(Qt::OtherFocusReason);
    } else if (QWidget* button = PhaseButton()) {
        button->setFocus(Qt::TabFocusReason);   // ringed as a button the keyboard reached
    }
}
