#include <gtest/gtest.h>

#include <random>

#include "HeadlessGame.h"
#include "Invariants.h"

namespace {

const int S = board::kShapes;
const int C = board::kColors;

std::vector<int> PegRow(HeadlessGame& g, int b, int row)
{
    return std::vector<int>(g.Pegs(b)[row], g.Pegs(b)[row] + 4);
}

}  // namespace

TEST(Play, SeededGamesRunToTheirEndInEveryVariant)
{
    for (int v = 0; v < 3; ++v) {
        for (uint32_t seed = 1; seed <= 20; ++seed) {
            HeadlessGame g(v, seed);
            std::mt19937 gen(seed);
            g.engine.StartFirstGame();
            ExpectInvariants(g.engine);
            int expectedTotal = 0;
            for (int round = 0; round < g.engine.m_nRoundsPerGame; ++round) {
                ASSERT_EQ(g.engine.m_nPhase, phase::kPlaying);
                int misses[2] = {static_cast<int>(gen() % 11), static_cast<int>(gen() % 11)};
                // Interleave the boards' guesses.
                while (!g.Closed(S) || !g.Closed(C)) {
                    const int b = g.Closed(S) ? C : g.Closed(C) ? S : static_cast<int>(gen() % 2);
                    if (misses[b] > 0) {
                        --misses[b];
                        g.Miss(b);
                    } else {
                        g.Solve(b);
                    }
                    ExpectInvariants(g.engine);
                }
                expectedTotal += g.engine.m_nRoundScores[round];
                if (round + 1 < g.engine.m_nRoundsPerGame) {
                    ASSERT_EQ(g.engine.m_nPhase, phase::kRoundOver);
                    g.engine.OnNextRound();
                    ExpectInvariants(g.engine);
                }
            }
            EXPECT_EQ(g.engine.m_nPhase, phase::kGameOver);
            EXPECT_EQ(g.engine.m_nRoundsCompleted, v == 0 ? 7 : 8);
            if (v == 0) { EXPECT_EQ(g.engine.m_nRoundScores[7], 0); }
            ASSERT_EQ(g.host.finished.size(), 1u);
            EXPECT_EQ(g.host.finished[0].variant, v);
            EXPECT_EQ(g.host.finished[0].total, expectedTotal);
        }
    }
}

TEST(Play, ScoresRunFromTwoToTwentyFour)
{
    HeadlessGame g(variant::kAllShapes);
    g.engine.StartFirstGame();
    g.PlayRound(0, 0);
    EXPECT_EQ(g.engine.m_nRoundScores[0], 2);
    g.engine.OnNextRound();
    g.PlayRound(10, 10);
    EXPECT_EQ(g.engine.m_nRoundScores[1], 24);
    EXPECT_EQ(g.engine.m_nRoundScores[0], 2);   // earlier rounds keep their score
}

TEST(Play, SolvingStaysOnTheRowAndMissingRowNineLeavesTheBoard)
{
    HeadlessGame g(variant::kAllShapes);
    g.engine.StartFirstGame();
    g.Miss(S);
    g.Miss(S);
    g.Solve(S);
    EXPECT_EQ(g.Row(S), 2);
    EXPECT_TRUE(g.Closed(S));
    EXPECT_EQ(g.engine.m_bShapesRevealed, 1);
    EXPECT_EQ(g.engine.m_nRoundScores[0], 3);
    EXPECT_EQ(PegRow(g, S, 2), (std::vector<int>{3, 3, 3, 3}));

    for (int i = 0; i < 10; ++i) g.Miss(C);
    EXPECT_EQ(g.Row(C), 10);
    EXPECT_TRUE(g.Closed(C));
    EXPECT_EQ(g.engine.m_nRoundScores[0], 3 + 12);
    EXPECT_EQ(g.engine.m_nPhase, phase::kRoundOver);
}

TEST(Play, TheBoardClosedSecondEndsTheRound)
{
    HeadlessGame g(variant::kAllShapes);
    g.engine.StartFirstGame();
    for (int i = 0; i < 10; ++i) g.Miss(C);
    EXPECT_EQ(g.engine.m_nPhase, phase::kPlaying);
    EXPECT_EQ(g.engine.m_nRoundsCompleted, 0);
    g.Solve(S);
    EXPECT_EQ(g.engine.m_nPhase, phase::kRoundOver);
    EXPECT_EQ(g.engine.m_nRoundsCompleted, 1);
    EXPECT_EQ(g.engine.m_bRoundOver, 1);
    EXPECT_EQ(g.engine.m_nRoundIndex, 0);
}

TEST(Play, ClosingABoardShutsItsSlots)
{
    HeadlessGame g(variant::kAllShapes);
    g.engine.StartFirstGame();
    g.Solve(S);
    const BoardSlots& shapes = g.engine.Slots().boards[S];
    const BoardSlots& colors = g.engine.Slots().boards[C];
    for (const ChipSlot* s : shapes.guess) {
        EXPECT_EQ(s->m_bDragSource, 0);
        EXPECT_EQ(s->m_bDropTarget, 0);
    }
    for (const ChipSlot* s : shapes.tray) EXPECT_EQ(s->m_bDragSource, 0);
    for (const ChipSlot* s : colors.tray) EXPECT_EQ(s->m_bDragSource, 1);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(colors.guess[k]->m_bDropTarget, 1);

    // A miss moves the drop targets up one row.
    g.Miss(C);
    for (int i = 0; i < 40; ++i) EXPECT_EQ(colors.guess[i]->m_bDropTarget, i / 4 == 1 ? 1 : 0) << i;
}

TEST(Play, FirstClosedBoardNarrowsThePoolAndTheRoundEndRebuildsIt)
{
    HeadlessGame g(variant::kAllShapes);
    g.engine.StartFirstGame();
    CGameEngine& e = g.engine;
    // Rearrange round 0's code to chips with shapes 2, 2, 5, 1: pick chips of those shapes from
    // the drawn positions 2..35 and swap them into 2..5.
    const int wanted[4] = {2, 2, 5, 1};
    for (int i = 0; i < 4; ++i) {
        for (int p = 2 + i; p < 36; ++p) {
            if (chips::ShapeOf(e.m_nChipOrder[p]) == wanted[i]) {
                std::swap(e.m_nChipOrder[2 + i], e.m_nChipOrder[p]);
                break;
            }
        }
        e.m_nCodeShapes[i] = chips::ShapeOf(e.m_nChipOrder[2 + i]);
        e.m_nCodeColors[i] = chips::ColorOf(e.m_nChipOrder[2 + i]);
    }
    // The two out-of-play chips may have been among the ones swapped in: recompute the pool.
    std::fill(std::begin(e.m_bChipAvailable), std::end(e.m_bChipAvailable), 1);
    e.m_bChipAvailable[e.m_nChipOrder[0]] = e.m_bChipAvailable[e.m_nChipOrder[1]] = 0;

    g.Solve(S);
    for (int i = 0; i < 36; ++i) {
        const int shape = chips::ShapeOf(i);
        const bool outOfPlay = i == e.m_nChipOrder[0] || i == e.m_nChipOrder[1];
        const bool keep = (shape == 1 || shape == 2 || shape == 5) && !outOfPlay;
        EXPECT_EQ(e.m_bChipAvailable[i], keep ? 1 : 0) << i;
    }
    g.Solve(C);
    for (int i = 0; i < 36; ++i) {
        bool used = false;
        for (int p = 0; p < 6; ++p) used = used || e.m_nChipOrder[p] == i;
        EXPECT_EQ(e.m_bChipAvailable[i], used ? 0 : 1) << i;
    }
}

TEST(Play, NarrowingByColorsKeepsTheCodesColourRows)
{
    HeadlessGame g(variant::kNoCircles);
    g.engine.StartFirstGame();
    CGameEngine& e = g.engine;
    g.Solve(C);
    bool colorInCode[7] = {};
    for (int i = 0; i < 4; ++i) colorInCode[e.m_nCodeColors[i]] = true;
    for (int i = 0; i < 36; ++i) {
        const bool keep = colorInCode[chips::ColorOf(i)] && chips::ShapeOf(i) != chips::kCircle;
        EXPECT_EQ(e.m_bChipAvailable[i], keep ? 1 : 0) << i;
    }
}

TEST(Play, DropsFillOnlyTheirOwnBoardsCurrentRow)
{
    HeadlessGame g(variant::kAllShapes);
    g.engine.StartFirstGame();
    CGameEngine& e = g.engine;
    g.Drop(S, 0, 0, 3);
    g.Drop(S, 0, 1, 3);
    g.Drop(S, 0, 2, 4);
    EXPECT_EQ(e.m_bShapesRowFull, 0);
    EXPECT_EQ(g.host.buttonUpdates, 0);
    EXPECT_EQ(e.m_nShapesGuess[0][1], 3);   // the chips that are there are still copied
    g.Drop(S, 0, 3, 6);
    EXPECT_EQ(e.m_bShapesRowFull, 1);
    EXPECT_EQ(g.host.buttonUpdates, 1);
    EXPECT_EQ(e.m_bColorsRowFull, 0);
    EXPECT_EQ(e.m_nColorsRow, 0);

    // A drop onto a full row replaces that slot and offers GUESS again.
    g.Drop(S, 0, 2, 1);
    EXPECT_EQ(e.m_nShapesGuess[0][2], 1);
    EXPECT_EQ(g.host.buttonUpdates, 2);

    // Colour chips are stored as 1..6; a shape value on the COLORS row does not count.
    g.Drop(C, 0, 0, 6);
    EXPECT_EQ(e.m_nColorsGuess[0][0], 6);
    g.Slot(C, 0, 1).m_nValue = 4;   // a shape value where a colour belongs
    e.OnColorsDrop();
    g.Drop(C, 0, 2, 1);
    g.Drop(C, 0, 3, 2);
    EXPECT_EQ(e.m_bColorsRowFull, 0);
    EXPECT_EQ(e.m_nColorsGuess[0][1], 0);
}

TEST(Play, EntriesReachedOutOfTurnChangeNothing)
{
    HeadlessGame g(variant::kAllShapes);
    g.engine.StartFirstGame();
    CGameEngine& e = g.engine;
    auto snapshot = [&] { return StateWords(e); };

    // GUESS on a row that is not full; NEXT ROUND and NEW GAME while playing.
    g.Drop(S, 0, 0, 1);
    auto before = snapshot();
    e.OnShapesGuess();
    e.OnColorsGuess();
    e.OnNextRound();
    e.OnNewGame();
    EXPECT_EQ(snapshot(), before);

    // GUESS and drops on a closed board; NEW GAME between rounds.
    g.Fill(S, {e.m_nCodeShapes[0], e.m_nCodeShapes[1], e.m_nCodeShapes[2], e.m_nCodeShapes[3]});
    g.Press(S);
    before = snapshot();
    e.m_bShapesRowFull = 1;   // even a stale full flag does not reopen it
    e.OnShapesGuess();
    e.m_bShapesRowFull = 0;
    e.OnShapesDrop();
    EXPECT_EQ(snapshot(), before);

    g.Solve(C);
    ASSERT_EQ(e.m_nPhase, phase::kRoundOver);
    before = snapshot();
    e.OnNewGame();
    e.OnShapesGuess();
    EXPECT_EQ(snapshot(), before);

    // NEXT ROUND after the last round.
    for (int r = 1; r < 8; ++r) {
        e.OnNextRound();
        g.PlayRound(0, 0);
    }
    ASSERT_EQ(e.m_nPhase, phase::kGameOver);
    before = snapshot();
    e.OnNextRound();
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(g.host.finished.size(), 1u);
}
