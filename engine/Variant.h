#pragma once
// The three rule sets the game can be played under.

#include <array>
#include <cstdint>

namespace variant {

constexpr int kNoCircles = 0;     // "SIX COLORS, NO CIRCLES"
constexpr int kAllShapes = 1;     // "SIX COLORS, ALL SIX SHAPES"
constexpr int kFiveByFive = 2;    // "SMALLER CODES, FIVE BY FIVE"
constexpr int kCount = 3;
constexpr int kDefault = kAllShapes;   // in force before the configuration file is read
constexpr int kMaxRounds = 8;

struct Rules {
    int roundsPerGame;
    int codeLength;           // the slots of a row in play, from the left
    bool circlesInPlay;       // the SHAPES tray's sixth chip
    bool redInPlay;           // the COLORS tray's sixth chip
    int outOfPlay;            // chips at the front of the chip order that never join a code
    int excludedCount;        // of those, the ones placed before the draw
    std::array<int, 11> excluded;
    const char* name;
};

constexpr bool IsValid(int v) { return v >= 0 && v < kCount; }

// Rules of variant v; anything but 0, 1 or 2 plays as the default variant.
const Rules& RulesFor(int v);

}  // namespace variant
