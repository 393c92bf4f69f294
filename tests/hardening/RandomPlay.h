#pragma once
// A game under random actions: drops of any value onto any slot through the drop target's own
// rules, garbage written straight into the slots and the drop handlers called anyway, GUESS at any
// time, NEXT ROUND, NEW GAME and variant changes whether or not their moment has come. After every
// step the whole state is checked against what the rules allow, worked out here from the rules.

#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <string>

#include "HeadlessGame.h"

class RandomPlay {
public:
    // `store` changes what the next game start reads as the stored variant (any value).
    RandomPlay(HeadlessGame& game, RecordingHost& host, uint32_t seed, std::function<void(int)> store);

    // Starts the first game, then takes `steps` random actions. Stops at the first broken rule,
    // which is reported as a test failure naming the seed, the step and the action.
    void Play(int steps);

    int FinishedGames() const { return m_finished; }
    int FinishedIn(int variant) const { return m_finishedIn[variant]; }
    int Steps() const { return m_steps; }

private:
    struct Snapshot {
        GameState state;
        std::array<int32_t, 200> flags;   // every slot's drag and drop flags
    };
    Snapshot Snap() const;

    // Actions.
    void Step();
    void DropIntoRow();
    void DropAnywhere();
    void Garbage();
    void DropThroughTarget(ChipSlot& slot, int value);
    void PressGuess();
    void ChangeVariant(bool notify);
    std::string TextFor(int value);
    int AnyBoard();
    int AnyValue();
    ChipSlot& AnySlot();

    // Checks after each step.
    void Check(const Snapshot& before, const char* action, bool mayStartGame, bool mayChange);
    void CheckTransition(const GameState& before, bool mayStartGame);
    void CheckCodes(bool newGame);
    void CheckRecords(const GameState& before);

    HeadlessGame& m_game;
    CGameEngine& m_engine;
    RecordingHost& m_host;
    std::mt19937 m_gen;
    uint32_t m_seed;
    std::function<void(int)> m_store;
    int m_storedVariant = -1;
    int m_steps = 0;
    int m_finished = 0;
    int m_finishedIn[3] = {};
    uint64_t m_codeChips = 0;   // chips of the codes of this game's rounds so far, one bit each
    int m_trackedRound = -1;
    unsigned m_skill = 17;        // in 20 drops into the row, how many carry the code's own chip
};
