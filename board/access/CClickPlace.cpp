#include "CClickPlace.h"

#include <algorithm>

#include "BoardFields.h"

CClickPlace::CClickPlace(BoardControls& controls, const GameState& state, CKeyboardPlay& keys)
    : m_c(controls), m_s(state), m_keys(keys)
{
    const auto listen = [this](CGuessChip* first, int count) {
        for (CGuessChip* chip = first; chip != first + count; ++chip)
            m_connections.push_back(
                QObject::connect(chip, &CGuessChip::Clicked, [this](CGuessChip* c) { OnClick(*c); }));
    };
    for (CBoardView& view : m_c.boards) {
        listen(view.guess, board::kGuessSlots);
        listen(view.tray, board::kTraySlots);
        listen(view.code, board::kSlots);
    }
}

CClickPlace::~CClickPlace()
{
    for (const QMetaObject::Connection& c : m_connections) QObject::disconnect(c);
}

int CClickPlace::CurrentRow(int b) const
{
    const BoardFields f = BoardFieldsOf(m_s, b);
    return f.closed != 0 || f.row < 0 || f.row >= board::kRows ? -1 : f.row;
}

bool CClickPlace::InRow(const CGuessChip& chip, int b, int row) const
{
    const CGuessChip* first = &m_c.boards[b].guess[board::kSlots * row];
    return &chip >= first && &chip < first + board::kSlots;
}

CGuessChip* CClickPlace::Target(const CGuessChip& source)
{
    const int b = source.m_nBoard;
    if (b < 0 || b >= board::kCount || !source.MayStartDrag()) return nullptr;
    const int row = CurrentRow(b);
    // A chip of the current row is picked to be replaced, not placed.
    if (row < 0 || InRow(source, b, row)) return nullptr;
    CGuessChip* slots = &m_c.boards[b].guess[board::kSlots * row];
    const int inPlay = std::clamp(static_cast<int>(m_s.m_nCodeLength), 0, board::kSlots);
    CGuessChip* ringed = nullptr;
    CGuessChip* empty = nullptr;
    for (int k = inPlay - 1; k >= 0; --k) {
        if (slots[k].HasFocusMark()) ringed = &slots[k];
        if (slots[k].m_nValue == chipvalue::kEmpty) empty = &slots[k];
    }
    // Empty slots are filled before a chip is replaced, unless the player picked the chip.
    const bool ringTakes = ringed != nullptr &&
                           (ringed->m_nValue == chipvalue::kEmpty || m_keys.Focus().Chosen() || empty == nullptr);
    return ringTakes ? ringed : empty;
}

bool CClickPlace::OnClick(const CGuessChip& source)
{
    const int b = source.m_nBoard;
    if (b >= 0 && b < board::kCount && CurrentRow(b) >= 0 && InRow(source, b, CurrentRow(b))) {
        m_keys.Choose(source);
        return false;
    }
    CGuessChip* target = Target(source);
    if (target == nullptr || !target->TakeChipFrom(source)) return false;
    m_keys.OnPlaced(*target);
    return true;
}
