#pragma once
// The rules of the game: round setup, guesses and their evaluation, round end and scoring,
// and the entries that start games and rounds. It never draws; every operation ends by
// asking its host to refresh.

#include "ChipSlot.h"
#include "GameHost.h"
#include "GameState.h"
#include "RandomSource.h"

class CGameEngine : public GameState {
public:
    // The engine keeps references to all three; they must outlive it.
    CGameEngine(GameHost& host, RandomSource& random, const SlotTable& slots);

    // Game flow.
    void StartFirstGame();
    void OnNewGame();
    void OnNextRound();
    void OnVariantChanged();

    // Guess entry and evaluation.
    void OnShapesDrop() { Drop(Shapes()); }
    void OnColorsDrop() { Drop(Colors()); }
    void OnShapesGuess() { Guess(Shapes()); }
    void OnColorsGuess() { Guess(Colors()); }
    void NarrowPoolByShapes();
    void NarrowPoolByColors();

    // Round setup and end.
    void SetUpNewGame();
    void ResetDragSources();
    void EndRound();

    // Sum of the round scores: the game total.
    int GameTotal() const;
    // The chip order position where round r's code begins.
    int CodeStart(int round) const { return m_nOutOfPlay + round * m_nCodeLength; }

    const SlotTable& Slots() const { return m_slots; }

private:
    // One board as the engine plays it: its fields, writable, and what closing it sets off. The two
    // boards run the same operations over these.
    struct BoardInPlay {
        int board;
        int32_t (&guess)[board::kRows][board::kSlots];
        int32_t (&pegs)[board::kRows][board::kSlots];
        const int32_t (&code)[board::kSlots];
        int32_t& row;
        int32_t& closed;
        int32_t& rowFull;
        int32_t& revealed;
        int32_t& done;
        int32_t& partnerDone;
        void (CGameEngine::*narrow)();
        BoardSlots& slots;
    };
    BoardInPlay Shapes();
    BoardInPlay Colors();

    void Drop(const BoardInPlay& b);
    void Guess(const BoardInPlay& b);
    void CloseBoard(const BoardInPlay& b, bool solved);
    void TakeCode(int round);
    void ResetRows();
    void SetDropTargetsOnRow(BoardSlots& slots, int row);
    void ClearDropTargets();
    void RebuildPool(int usedChips);
    bool IsBoardOpen(const BoardInPlay& b) const;

    GameHost& m_host;
    RandomSource& m_random;
    SlotTable m_slots;
};
