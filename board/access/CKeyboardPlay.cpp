#include "CKeyboardPlay.h"

#include <QCoreApplication>

#include <utility>

#include "AccessibleWords.h"
#include "CAccessibleControl.h"
#include "CAnnouncer.h"

namespace {

QString InSlot(const CGuessChip& slot, int column)
{
    return QCoreApplication::translate("CKeyboardPlay", "%1 in slot %2").arg(words::SlotContent(slot.m_nValue)).arg(column + 1);
}

}  // namespace

CKeyboardPlay::CKeyboardPlay(BoardControls& controls, const GameState& state)
    : m_c(controls), m_focus(controls, state)
{
}

bool CKeyboardPlay::OnKey(int key, Qt::KeyboardModifiers modifiers)
{
    // Keys held with Ctrl, Alt or Meta are shortcuts, never moves of the game.
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    if (key >= Qt::Key_1 && key <= Qt::Key_6) {
        PutChip(key - Qt::Key_0);
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (!PressPhaseButton()) Confirm();
    } else if (key == Qt::Key_Space) {
        Confirm();
    } else if (key == Qt::Key_N) {
        PressPhaseButton();
    } else if (!Move(key)) {
        return false;
    }
    m_focus.Show();   // from the first key on, wherever the key has left it
    TellLandedSlot();
    return true;
}

// A screen reader speaks the changed name of the slot it stands on, and Qt's name change carries
// the slot rather than its words: told once the ring has left the slot, the change only renews
// what the reader knows of it.
void CKeyboardPlay::TellLandedSlot()
{
    if (m_pLanded != nullptr) CAccessibleControl::NameChanged(std::exchange(m_pLanded, nullptr));
}

bool CKeyboardPlay::Move(int key)
{
    switch (key) {
    case Qt::Key_Left: m_focus.MoveAlongRow(-1); break;
    case Qt::Key_Right: m_focus.MoveAlongRow(1); break;
    case Qt::Key_Down: m_focus.MoveBack(1); break;   // earlier rows lie below the current one
    case Qt::Key_Up: m_focus.MoveBack(-1); break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: m_focus.SwitchBoard(); break;
    default: return false;
    }
    return true;
}

// The tray's chip `number` dropped on the focused slot: refused where a drag would be, that is a
// chip not in play, a closed board, or a slot outside the current row.
void CKeyboardPlay::PutChip(int number)
{
    CGuessChip& slot = m_focus.Slot();
    if (!slot.TakeChipFrom(m_focus.View().tray[number - 1])) return;
    Landed(slot, InSlot(slot, m_focus.Column()));
    m_focus.MoveAlongRow(1);
}

// The news comes before the ring moves on: a screen reader speaks what it is told in turn, and
// the next key cuts it short.
void CKeyboardPlay::Landed(CGuessChip& slot, const QString& words)
{
    CAnnouncer::Of(&slot).Announce(words);
    m_pLanded = &slot;
}

void CKeyboardPlay::OnPlaced(CGuessChip& slot)
{
    m_pLanded = &slot;
    if (&slot == &m_focus.Slot() && slot.HasFocusMark()) {
        Landed(slot, InSlot(slot, m_focus.Column()));
        // On to where the next click puts its chip: the next empty slot, or the next slot of a full row.
        if (!m_focus.MoveToNextEmpty()) m_focus.MoveAlongRow(1);
    }
    TellLandedSlot();
}

void CKeyboardPlay::Choose(const CGuessChip& slot)
{
    const CGuessChip* first = &m_c.boards[slot.m_nBoard].guess[0];
    m_focus.Choose(slot.m_nBoard, static_cast<int>(&slot - first) % board::kSlots);
}

// The chip of an earlier row copied into the same column of the current row, as dragging it
// would; the focus moves on along the earlier row, so a whole row is picked up key by key.
void CKeyboardPlay::PickUp()
{
    CGuessChip& slot = m_focus.CurrentRowSlot();
    if (!slot.TakeChipFrom(m_focus.Slot())) return;
    Landed(slot, QCoreApplication::translate("CKeyboardPlay", "%1 copied into slot %2 of the current row")
                     .arg(words::SlotContent(slot.m_nValue))
                     .arg(m_focus.Column() + 1));
    m_focus.MoveAlongRow(1);
}

void CKeyboardPlay::Confirm()
{
    if (m_focus.OnEarlierRow())
        PickUp();
    else
        PressGuess();
}

void CKeyboardPlay::PressGuess()
{
    // The game shows at most one GUESS per board, on its full current row of an open board.
    for (CBitmapButton& button : m_focus.View().guessButtons) {
        if (!button.isHidden()) {
            button.click();
            return;
        }
    }
}

bool CKeyboardPlay::PressPhaseButton()
{
    for (CBitmapButton* button : {&m_c.centre.nextRound, &m_c.centre.newGame}) {
        if (!button->isHidden()) {
            button->click();
            return true;
        }
    }
    return false;
}
