#pragma once
// What a player who cannot see the board is told after each turn of the game, with the pointer or
// the keys: the judged row's result, the round's score, or the round's end and the game's end with
// its total, then a board closing and the part of the code it gives away, and the button that goes
// on. Read from the game's state, against the state last told.

#include <QString>

#include "GameState.h"

class QWidget;

class CGameNews {
public:
    explicit CGameNews(const GameState& state) : m_s(state) {}

    // The news since the last call, in words; empty when there is none, and on the first call,
    // which only learns the game. `recorded`: a game that has just ended reached the high scores.
    QString Since(bool recorded);
    // The same, announced to a screen reader in `window`.
    void Tell(QWidget* window, bool recorded);

private:
    QString NewRound() const;
    QString JudgedRow(int board) const;
    QString Closed(int board) const;
    QString RoundEnd(bool recorded) const;
    QString GoOn() const;

    const GameState& m_s;
    GameState m_told{};
    bool m_bStarted = false;
};
