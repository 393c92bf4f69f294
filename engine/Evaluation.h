#pragma once
// Scoring one guess row against the board's half of the code.

#include <cstdint>

struct Feedback {
    int exact = 0;     // right attribute in the right place
    int present = 0;   // right attribute in another place
};

// Exact matches first, then each remaining guess slot takes the lowest free code slot
// holding its value. n is the number of slots in play (3 or 4).
Feedback Evaluate(const int32_t* guess, const int32_t* code, int n);
