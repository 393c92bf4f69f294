#include "BoardMoment.h"

#include <QCoreApplication>
#include <QEvent>

#include <vector>

#include "CVantel2Dlg.h"
#include "VantelEvents.h"

namespace {

// Chips reach the board the way a drag does: a slot of the current row takes the value and the
// slot tells the window. Everything else goes through the game's own entries.
class Player {
public:
    explicit Player(CVantel2Dlg& dlg) : m_dlg(dlg), m_game(dlg.Game()) {}

    void Drop(int b, int slot, int attr)
    {
        const int row = b == board::kShapes ? m_game.m_nShapesRow : m_game.m_nColorsRow;
        m_game.Slots().boards[b].guess[board::kSlots * row + slot]->m_nValue = attr + 6 * b;
        QEvent dropped(b == board::kShapes ? UM_SHAPES_DROP : UM_COLORS_DROP);
        QCoreApplication::sendEvent(&m_dlg, &dropped);
    }

    void Guess(int b, const std::vector<int>& attrs)
    {
        for (size_t slot = 0; slot < attrs.size(); ++slot) Drop(b, int(slot), attrs[slot]);
        if (b == board::kShapes)
            m_game.OnShapesGuess();
        else
            m_game.OnColorsGuess();
    }

    // The code's attributes with `turn` applied: 0 solves, 1 moves every attribute one place on,
    // 2 swaps the middle two, 3 names the next attribute in every slot.
    std::vector<int> Try(int b, int turn) const
    {
        const int32_t* code = b == board::kShapes ? m_game.m_nCodeShapes : m_game.m_nCodeColors;
        const int n = m_game.m_nCodeLength;
        std::vector<int> attrs(code, code + n);
        for (int k = 0; k < n; ++k) {
            if (turn == 1) attrs[k] = code[(k + 1) % n];
            if (turn == 2 && (k == 1 || k == 2)) attrs[k] = code[3 - k];
            if (turn == 3) attrs[k] = code[k] % 6 + 1;
        }
        return attrs;
    }

    void Play(int b, std::initializer_list<int> turns)
    {
        for (int turn : turns) Guess(b, Try(b, turn));
    }

    CGameEngine& Game() { return m_game; }

private:
    CVantel2Dlg& m_dlg;
    CGameEngine& m_game;
};

}  // namespace

void PlayToTheScreenshotMoment(CVantel2Dlg& dlg)
{
    Player p(dlg);
    p.Play(board::kShapes, {3, 1, 0});
    p.Play(board::kColors, {2, 0});
    p.Game().OnNextRound();
    p.Play(board::kColors, {1, 3, 2, 0});
    p.Play(board::kShapes, {2, 0});
    p.Game().OnNextRound();
    p.Play(board::kShapes, {3, 2, 0});
    p.Play(board::kColors, {3, 1, 2});
    p.Drop(board::kColors, 0, p.Try(board::kColors, 0)[0]);
    p.Drop(board::kColors, 1, p.Try(board::kColors, 1)[1]);
}
