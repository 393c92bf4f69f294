#pragma once
// Plays the real main window the way drops and button presses do, without a pointer.

#include <QCoreApplication>
#include <QEvent>
#include <QTemporaryDir>

#include <vector>

#include "CVantel2Dlg.h"
#include "VantelEvents.h"

class DialogPlayer {
public:
    DialogPlayer() : dlg(data.path(), app.path())
    {
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
};
