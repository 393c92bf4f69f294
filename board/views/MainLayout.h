#pragma once
// The main window's layout: every control's id, kind, member and place, in dialog units. Each board
// is laid out from one plan; the COLORS board mirrors the SHAPES board, chips left and pegs right.

#include <vector>

#include "DialogUnits.h"

namespace layout {

enum class Member {
    Guess, Tray, Code, Pegs, CodeSides, RowSides, TraySides, Bars, GuessButtons,   // per board
    Center, RoundDigits, TotalDigits, NewGame, NextRound,
    Picture,   // a plain picture: labels and separators
};

struct Entry {
    int id;            // 0 for the pictures that have none
    Member member;
    int board;         // 0 SHAPES, 1 COLORS; 0 for the centre
    int index;         // element of the member array
    int x;             // dialog units
    int y;
    const char* art;   // the picture of a plain picture, the caption of a button
};

constexpr int kWidthDu = 1047;
constexpr int kHeightDu = 498;

// The controls of board `b` (0 SHAPES, 1 COLORS), in member order within each member array.
const std::vector<Entry>& BoardPlan(int b);
// The centre: separators, grid, scores, labels and the two phase buttons.
const std::vector<Entry>& CentrePlan();
// Every control of the main window: both boards, then the centre.
const std::vector<Entry>& MainLayout();

}  // namespace layout
