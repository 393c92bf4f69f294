#pragma once
// The name and the description a screen reader gives each control of the board, read from what
// the controls show at that moment: "SHAPES row 3, slot 2: heart", "SHAPES row 2 result: 1 right
// place, 2 right chip elsewhere", "centre: green club, ruled out", "round 3 score 9", "GUESS,
// SHAPES row 4". Nothing is kept: the words are made when they are asked for, never by a refresh.

#include <QString>

#include "ControlPlace.h"

namespace accessibletext {

// Empty for a place that is no control of the board.
QString Name(const ControlPlace& place);
QString Description(const ControlPlace& place);

}  // namespace accessibletext
