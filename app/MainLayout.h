#pragma once
// The main window's layout: every control's id, kind, member and place, in dialog units.

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

// Every control of the main window, in member order within each member array.
const std::vector<Entry>& MainLayout();

}  // namespace layout
