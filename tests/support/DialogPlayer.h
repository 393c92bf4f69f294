#pragma once
// Plays the real main window the way drops, button presses and keys do, without a pointer.

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <vector>

#include "CVantel2Dlg.h"
#include "VantelEvents.h"

// Counts the drop notifications a window receives.
class DropCounter : public QObject {
public:
    int drops = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        drops += e->type() == UM_SHAPES_DROP || e->type() == UM_COLORS_DROP;
        return false;
    }
};

class DialogPlayer {
public:
    DialogPlayer() : dlg(data.path(), app.path())
    {
        dlg.installEventFilter(&news);
        dlg.SetQuitQuestion([this](QWidget*) {
            ++questions;
            return quit;
        });
    }

    CGameEngine& Game() { return dlg.Game(); }
    CBoardView& Board(int b) { return dlg.Controls().boards[b]; }
    int Row(int b) { return b == board::kShapes ? Game().m_nShapesRow : Game().m_nColorsRow; }
    const int32_t* Code(int b) { return b == board::kShapes ? Game().m_nCodeShapes : Game().m_nCodeColors; }

    // A chip lands on a slot of the current row and the slot tells the window.
    void Drop(int b, int k, int attr)
    {
        Board(b).guess[4 * Row(b) + k].m_nValue = attr + 6 * b;
        QEvent e(b == board::kShapes ? UM_SHAPES_DROP : UM_COLORS_DROP);
        QCoreApplication::sendEvent(&dlg, &e);
    }
    void Fill(int b, const std::vector<int>& attrs)
    {
        for (size_t k = 0; k < attrs.size(); ++k) Drop(b, static_cast<int>(k), attrs[k]);
    }
    void PressGuess(int b) { Board(b).guessButtons[Row(b)].click(); }
    void Solve(int b)
    {
        Fill(b, std::vector<int>(Code(b), Code(b) + Game().m_nCodeLength));
        PressGuess(b);
    }
    // A key pressed on the window; true when the window took it.
    bool Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent e(QEvent::KeyPress, key, modifiers);
        QCoreApplication::sendEvent(&dlg, &e);
        return e.isAccepted();
    }
    void Keys(std::initializer_list<int> keys)
    {
        for (int key : keys) Key(key);
    }
    // The drop notifications the window has had.
    int Drops() const { return news.drops; }
    // The game started afresh in `variant`, as the High Scores window chooses one.
    void ChangeVariant(int variant)
    {
        QDir(data.path()).mkpath("Tarnwick Software/Vantel");
        QFile cfg(data.filePath("Tarnwick Software/Vantel/vantel.cfg"));
        cfg.open(QIODevice::WriteOnly);
        cfg.write(QByteArray(1, static_cast<char>(variant)) + QByteArray(1, '\0'));
        cfg.close();
        QEvent changed(UM_VARIANT_CHANGED);
        QCoreApplication::sendEvent(&dlg, &changed);
    }
    void Miss(int b)
    {
        std::vector<int> attrs;
        for (int k = 0; k < Game().m_nCodeLength; ++k) attrs.push_back(Code(b)[k] % 6 + 1);
        Fill(b, attrs);
        PressGuess(b);
    }
    // Both boards broken at their first guess: the round ends.
    void WinRound()
    {
        Solve(board::kShapes);
        Solve(board::kColors);
    }
    void NextRound() { dlg.Controls().centre.nextRound.click(); }

    // Each time closing the window asks the player, counted here and answered with `quit`.
    int questions = 0;
    bool quit = false;

    QTemporaryDir data;
    QTemporaryDir app;
    CVantel2Dlg dlg;
    DropCounter news;
};

// Every value and visibility the refresh writes, in one comparable list.
inline std::vector<int> Snapshot(CVantel2Dlg& dlg)
{
    std::vector<int> out;
    BoardControls& c = dlg.Controls();
    for (CBoardView& b : c.boards) {
        for (auto& w : b.guess) out.push_back(w.m_nValue);
        for (auto& w : b.tray) out.push_back(w.m_nValue);
        for (auto& w : b.code) out.push_back(w.m_nValue);
        for (auto& w : b.pegs) out.push_back(w.m_nValue * 2 + w.isHidden());
        for (auto& w : b.codeSides) out.push_back(w.m_nValue);
        for (auto& w : b.rowSides) out.push_back(w.m_nValue);
        for (auto& w : b.traySides) out.push_back(w.m_nValue);
        for (auto& w : b.bars) out.push_back(w.m_nValue);
        for (auto& w : b.guessButtons) out.push_back(w.isHidden());
    }
    for (auto& w : c.centre.center) out.push_back(w.m_nValue);
    for (auto& w : c.centre.roundDigits) out.push_back(w.m_nValue);
    for (auto& w : c.centre.totalDigits) out.push_back(w.m_nValue);
    out.push_back(c.centre.newGame.isHidden());
    out.push_back(c.centre.nextRound.isHidden());
    return out;
}
