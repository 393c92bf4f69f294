#include "Variant.h"

namespace variant {
namespace {

// The circles first, then the remaining red chips.
constexpr std::array<int, 11> kCirclesThenReds = {5, 11, 17, 23, 29, 35, 30, 31, 32, 33, 34};

constexpr Rules kRules[kCount] = {
    {7, 4, false, true, 6, 6, kCirclesThenReds, "SIX COLORS, NO CIRCLES"},
    {8, 4, true, true, 2, 0, kCirclesThenReds, "SIX COLORS, ALL SIX SHAPES"},
    {8, 3, false, false, 11, 11, kCirclesThenReds, "SMALLER CODES, FIVE BY FIVE"},
};

}  // namespace

const Rules& RulesFor(int v) { return kRules[IsValid(v) ? v : kDefault]; }

}  // namespace variant
