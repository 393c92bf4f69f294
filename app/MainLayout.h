#pragma once
// The main window's layout: every control's id, kind, member and place, in dialog units.
// Dialog units are those of the 8-point dialog font the board was designed with; on screen a
// unit is 6/4 pixel across and 13/8 pixel down, and each picture keeps its own pixel size.

#include <vector>

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

// Dialog units to pixels, rounded half away from zero as the dialog manager does.
constexpr int DuToPxX(int x) { return (x * 6 + 2) / 4; }
constexpr int DuToPxY(int y) { return (y * 13 + 4) / 8; }

// Every control of the main window, in member order within each member array.
const std::vector<Entry>& MainLayout();

}  // namespace layout
