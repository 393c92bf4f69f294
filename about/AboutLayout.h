#pragma once
// The High Scores window's layout: every picture, button and digit cell with its id, member and
// place, in dialog units. Three bands, one per variant, 114 units apart; pictures keep their own
// pixel size, and the sizes here are the places they were drawn for.

#include <vector>

namespace aboutlayout {

enum class Kind {
    Photo,    // the picture down the left side
    Title,    // a section's variant name
    Label,    // GAMES PLAYED, AVERAGE SCORE, BEST SCORE
    Button,   // ACTIVE or INACTIVE: index is the element of the button array
    Digit,    // a digit cell: index is the element of the digit array, 3 * position + variant
    Point,    // the decimal point between the units and the tenths of the average
};

struct Entry {
    int id;            // 0 for the pictures that have none
    Kind kind;
    int index;         // element of the member array, for buttons and digits
    int x;             // dialog units
    int y;
    int w;
    int h;
    const char* art;   // a picture's image, a button's caption
};

constexpr int kWidthDu = 613;
constexpr int kHeightDu = 366;

constexpr int kSections = 3;
// Top to bottom: the section of variant 1, then 0, then 2.
constexpr int kSectionVariant[kSections] = {1, 0, 2};
constexpr int kSectionTop[kSections] = {7, 121, 235};

// Buttons in member order: ACTIVE of variants 0, 1, 2, then INACTIVE of variants 0, 1, 2.
constexpr int kButtonCount = 6;
constexpr int kButtonId[kButtonCount] = {1275, 1261, 1291, 1277, 1276, 1292};
constexpr int ActiveButton(int variant) { return variant; }
constexpr int InactiveButton(int variant) { return 3 + variant; }

constexpr int kDigitPositions = 12;
constexpr int kDigitCount = 3 * kDigitPositions;
constexpr int DigitElement(int position, int variant) { return 3 * position + variant; }

// A line of text beneath the bottom band, to the right of the photograph, hidden until a chosen
// variant could not be stored.
struct Place {
    int x;
    int y;
    int w;
    int h;
};
constexpr Place kSaveFailedNote{188, 336, 418, 14};

// Every control of the window, top section first.
const std::vector<Entry>& AboutLayout();

}  // namespace aboutlayout
