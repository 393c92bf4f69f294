#pragma once
// A game without a window: owned chip slots, a host that records what the engine asks of it,
// and a player that fills rows the way drops do.

#include <cstdint>
#include <vector>

#include "CGameEngine.h"

struct FinishedGame {
    int variant;
    int total;
};

class RecordingHost : public GameHost {
public:
    void RefreshBoard() override { ++refreshes; }
    void UpdateGuessButtons() override { ++buttonUpdates; }
    void LoadActiveVariant(int32_t& variant) override
    {
        ++variantLoads;
        if (storedVariant) variant = *storedVariant;
    }
    void RecordFinishedGame(int variant, int total) override { finished.push_back({variant, total}); }
    uint32_t Seed() override { ++seedings; return seed; }

    const int* storedVariant = nullptr;   // what the configuration file would hold, if any
    uint32_t seed = 12345;
    int refreshes = 0;
    int buttonUpdates = 0;
    int variantLoads = 0;
    int seedings = 0;
    std::vector<FinishedGame> finished;
};

// Plays back a fixed list of values, then repeats the last one.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<int> values) : m_values(std::move(values)) {}
    void Seed(uint32_t) override {}
    int Next() override { return m_values[m_next < m_values.size() ? m_next++ : m_values.size() - 1]; }

private:
    std::vector<int> m_values;
    size_t m_next = 0;
};

// Every word of the game state, to compare two moments of a game.
inline std::vector<int32_t> StateWords(const GameState& s)
{
    static_assert(sizeof(GameState) % sizeof(int32_t) == 0, "the game state is 32-bit words only");
    const auto* words = reinterpret_cast<const int32_t*>(&s);
    return std::vector<int32_t>(words, words + sizeof(GameState) / sizeof(int32_t));
}

class HeadlessGame {
public:
    explicit HeadlessGame(int storedVariant = -1, uint32_t seed = 12345)
        : m_variant(storedVariant), engine(host, random, slots.Table())
    {
        if (storedVariant >= 0) host.storedVariant = &m_variant;
        host.seed = seed;
    }
    // Plays against another host, e.g. one backed by the real files.
    explicit HeadlessGame(GameHost& other) : m_variant(-1), engine(other, random, slots.Table()) {}

    void SetStoredVariant(int v) { m_variant = v; host.storedVariant = &m_variant; }

    ChipSlot& Slot(int b, int row, int k) { return *engine.Slots().boards[b].guess[4 * row + k]; }
    int Row(int b) const { return b == board::kShapes ? engine.m_nShapesRow : engine.m_nColorsRow; }
    const int32_t* Code(int b) const
    {
        return b == board::kShapes ? engine.m_nCodeShapes : engine.m_nCodeColors;
    }
    int32_t (&Pegs(int b))[board::kRows][board::kSlots]
    {
        return b == board::kShapes ? engine.m_nShapesPegs : engine.m_nColorsPegs;
    }
    bool Closed(int b) const
    {
        return (b == board::kShapes ? engine.m_bShapesClosed : engine.m_bColorsClosed) == 1;
    }

    // Drops attribute values (1..6) into the current row slot by slot, as the drag and drop does.
    void Fill(int b, const std::vector<int>& attrs)
    {
        const int row = Row(b);
        for (size_t k = 0; k < attrs.size(); ++k) Drop(b, row, static_cast<int>(k), attrs[k]);
    }
    void Drop(int b, int row, int k, int attr)
    {
        Slot(b, row, k).m_nValue = attr + 6 * b;
        b == board::kShapes ? engine.OnShapesDrop() : engine.OnColorsDrop();
    }
    void Press(int b) { b == board::kShapes ? engine.OnShapesGuess() : engine.OnColorsGuess(); }

    void Solve(int b)
    {
        Fill(b, std::vector<int>(Code(b), Code(b) + engine.m_nCodeLength));
        Press(b);
    }
    // A guess that differs from the code in every slot, so it can never solve the board.
    void Miss(int b)
    {
        std::vector<int> attrs;
        for (int k = 0; k < engine.m_nCodeLength; ++k) attrs.push_back(Code(b)[k] % 6 + 1);
        Fill(b, attrs);
        Press(b);
    }
    // Plays the current round with `misses` wrong guesses on each board before solving it
    // (10 misses fail the board).
    void PlayRound(int shapeMisses, int colorMisses)
    {
        for (int i = 0; i < shapeMisses; ++i) Miss(board::kShapes);
        if (shapeMisses < 10) Solve(board::kShapes);
        for (int i = 0; i < colorMisses; ++i) Miss(board::kColors);
        if (colorMisses < 10) Solve(board::kColors);
    }

    RecordingHost host;
    RandomSource random;
    OwnedSlots slots;

private:
    int m_variant;

public:
    CGameEngine engine;
};
