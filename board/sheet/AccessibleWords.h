#pragma once
// The board in words, for screen readers: chips, pegs and score digits as the player would say
// them. Rows and slots are counted as the player sees them, from 1: rows from the bottom, slots
// from the left.

#include <QString>

#include <cstdint>

namespace words {

// "SHAPES" or "COLORS".
QString BoardName(int board);
// Shape 1 to 6: star, club, diamond, heart, spade, circle.
QString Shape(int shape);
// Colour 1 to 6: blue, orange, purple, green, yellow, red.
QString Colour(int colour);
// What a chip slot's value shows: "heart", "green", "empty", "hidden", "circle, not in play"...
QString SlotContent(int value);
// A centre cell's value: "green club, available" or "green club, ruled out".
QString CentreCell(int value);
// What one peg's value says: "right place", "right chip elsewhere", "no match", "none".
QString Peg(int value);
// An evaluated row's pegs: "1 right place, 2 right chip elsewhere", or "no match".
QString PegResult(const int32_t* pegs, int count);
// The words of a caption picture of the board by its art's name ("label_total": "TOTAL"); empty for
// a picture that only separates.
QString Caption(const QString& art);
// The figure that digit cells show side by side, blanks left out: "105"; empty when all are blank.
QString Figure(const int32_t* digits, int count);

}  // namespace words
