#pragma once
// What the rules allow of a game state at any moment, worked out from the rules alone rather than
// taken from the engine: every evaluated row's pegs, the pool, the round's score, which slots take
// drops and give drags.

#include <array>
#include <cstdint>
#include <string>

#include "CGameEngine.h"

// The pegs a guess earns by counting: exact matches first, then for every value the smaller of
// its unmatched counts in guess and code; misses fill the rest, slots out of play hold 0.
std::array<int, board::kSlots> PegsByCounting(const int32_t* guess, const int32_t* code, int n);

// The first rule the state breaks, spelt out; empty when it breaks none.
std::string BrokenRule(const CGameEngine& e);

// ExpectInvariants, then everything else that must hold between any two steps of any game.
void ExpectReachableState(const CGameEngine& e);

// The chip slots' drop and drag flags, for telling whether a step changed them.
std::array<int32_t, 200> SlotFlags(const CGameEngine& e);
