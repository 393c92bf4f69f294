#include "CKeyboardPlay.h"

#include <utility>

#include "AccessibleWords.h"
#include "CAccessibleControl.h"
#include "CAnnouncer.h"

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
    // A chip that landed is said once the ring has moved, so it is heard last.
    if (!m_landed.isEmpty()) CAnnouncer::Of(&m_focus.Slot()).Announce(std::exchange(m_landed, QString()));
    return true;
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
    const int column = m_focus.Column();
    if (slot.TakeChipFrom(m_focus.View().tray[number - 1])) Landed(slot, column, QStringLiteral("in slot %1"));
}

void CKeyboardPlay::Landed(CGuessChip& slot, int column, const QString& how)
{
    CAccessibleControl::NameChanged(&slot);
    m_focus.MoveAlongRow(1);
    m_landed = words::SlotContent(slot.m_nValue) + QLatin1Char(' ') + how.arg(column + 1);
}

void CKeyboardPlay::OnPlaced(CGuessChip& slot)
{
    if (&slot != &m_focus.Slot() || !slot.HasFocusMark()) {
        CAccessibleControl::NameChanged(&slot);
        return;
    }
    Landed(slot, m_focus.Column(), QStringLiteral("in slot %1"));
    CAnnouncer::Of(&m_focus.Slot()).Announce(std::exchange(m_landed, QString()));
}

// The chip of an earlier row copied into the same column of the current row, as dragging it
// would; the focus moves on along the earlier row, so a whole row is picked up key by key.
void CKeyboardPlay::PickUp()
{
    CGuessChip& slot = m_focus.CurrentRowSlot();
    const int column = m_focus.Column();
    if (slot.TakeChipFrom(m_focus.Slot()))
        Landed(slot, column, QStringLiteral("copied into slot %1 of the current row"));
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
