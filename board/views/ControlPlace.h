#pragma once
// Which control of the main window's board a widget is: its kind, the view that holds it and its
// element in that view's array. Found from the widget alone, so that whatever asks about a control
// (a screen reader, through the accessible text) needs nothing else.

class QWidget;
class CBoardView;
class CCentreView;

struct ControlPlace {
    enum class Kind {
        None,   // not a control of the board
        BoardView,
        GuessSlot,
        TraySlot,
        CodeSlot,
        Peg,
        GuessButton,
        CentreView,
        CentreCell,
        RoundDigit,
        TotalDigit,
        NewGame,
        NextRound,
    };

    Kind kind = Kind::None;
    const CBoardView* board = nullptr;    // the board controls and the board itself
    const CCentreView* centre = nullptr;  // the centre's controls and the centre itself
    int index = 0;                        // the element of its array

    static ControlPlace Of(const QWidget* w);
};
