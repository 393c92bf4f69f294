#include <gtest/gtest.h>

#include "HeadlessGame.h"
#include "Invariants.h"

namespace {
const int S = board::kShapes;
const int C = board::kColors;

void PlayScores(HeadlessGame& g, const std::vector<int>& scores)
{
    for (size_t i = 0; i < scores.size(); ++i) {
        if (i > 0) g.engine.OnNextRound();
        g.PlayRound(0, scores[i] - 2);
    }
}
}  // namespace

TEST(Flow, FirstGameWithoutConfigurationIsVariantOne)
{
    HeadlessGame g;
    g.engine.StartFirstGame();
    EXPECT_EQ(g.engine.m_nVariant, 1);
    EXPECT_EQ(g.engine.m_nRoundsPerGame, 8);
    EXPECT_EQ(g.engine.m_nCodeLength, 4);
    EXPECT_EQ(g.host.variantLoads, 1);
    EXPECT_EQ(g.host.refreshes, 1);
}

TEST(Flow, LastRoundRecordsTheGameTotalOnce)
{
    HeadlessGame g(variant::kAllShapes);
    g.engine.StartFirstGame();
    PlayScores(g, {5, 7, 3, 9, 6, 4, 8, 5});
    EXPECT_EQ(g.engine.m_nPhase, phase::kGameOver);
    EXPECT_EQ(g.engine.GameTotal(), 47);
    ASSERT_EQ(g.host.finished.size(), 1u);
    EXPECT_EQ(g.host.finished[0].variant, 1);
    EXPECT_EQ(g.host.finished[0].total, 47);
}

TEST(Flow, NoCirclesEndsAfterSevenRounds)
{
    HeadlessGame g(variant::kNoCircles);
    g.engine.StartFirstGame();
    PlayScores(g, {2, 3, 4, 5, 6, 7, 8});
    EXPECT_EQ(g.engine.m_nPhase, phase::kGameOver);
    EXPECT_EQ(g.engine.m_nRoundIndex, 6);
    ASSERT_EQ(g.host.finished.size(), 1u);
    EXPECT_EQ(g.host.finished[0].total, 35);
}

TEST(Flow, NextRoundTakesTheNextCodeAndKeepsTheScores)
{
    HeadlessGame g(variant::kFiveByFive);
    g.engine.StartFirstGame();
    CGameEngine& e = g.engine;
    g.Miss(S);
    g.PlayRound(0, 2);
    ASSERT_EQ(e.m_nPhase, phase::kRoundOver);
    const int score = e.m_nRoundScores[0];
    const int refreshes = g.host.refreshes;
    e.OnNextRound();
    EXPECT_EQ(g.host.refreshes, refreshes + 1);
    EXPECT_EQ(e.m_nRoundIndex, 1);
    EXPECT_EQ(e.m_nRoundsCompleted, 1);
    EXPECT_EQ(e.m_nRoundScores[0], score);
    EXPECT_EQ(e.m_nPhase, phase::kPlaying);
    EXPECT_EQ(e.m_nShapesRow, 0);
    EXPECT_EQ(e.m_nColorsRow, 0);
    EXPECT_EQ(e.m_bShapesClosed + e.m_bColorsClosed + e.m_bShapesDone + e.m_bColorsDone, 0);
    EXPECT_EQ(e.m_bRoundOver, 0);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(e.m_nCodeShapes[i], chips::ShapeOf(e.m_nChipOrder[11 + 3 + i]));
        EXPECT_EQ(e.m_nCodeColors[i], chips::ColorOf(e.m_nChipOrder[11 + 3 + i]));
    }
    for (int r = 0; r < 10; ++r) {
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(e.m_nShapesGuess[r][k], 0);
            EXPECT_EQ(e.m_nColorsPegs[r][k], peg::kNoMatch);
        }
        EXPECT_EQ(e.m_nShapesGuess[r][3], chipvalue::kSlotOutOfPlay);
        EXPECT_EQ(e.m_nColorsPegs[r][3], peg::kNone);
    }
    // Every slot is a source again; only row 0 takes drops.
    for (int b = 0; b < 2; ++b) {
        for (int i = 0; i < 40; ++i) {
            EXPECT_EQ(e.Slots().boards[b].guess[i]->m_bDragSource, i % 4 < 3 ? 1 : 0);
            EXPECT_EQ(e.Slots().boards[b].guess[i]->m_bDropTarget, i < 3 ? 1 : 0);
        }
        for (const ChipSlot* t : e.Slots().boards[b].tray) EXPECT_EQ(t->m_bDragSource, 1);
    }
    ExpectInvariants(e);
}

TEST(Flow, VariantChangeRestartsOnlyTheFirstRound)
{
    HeadlessGame g(variant::kAllShapes);
    g.engine.StartFirstGame();
    CGameEngine& e = g.engine;
    g.Miss(S);
    g.Miss(C);
    g.Fill(S, {1, 2, 3, 4});
    const std::vector<int> order(std::begin(e.m_nChipOrder), std::end(e.m_nChipOrder));

    g.SetStoredVariant(variant::kFiveByFive);
    e.OnVariantChanged();
    EXPECT_EQ(e.m_nVariant, 2);
    EXPECT_EQ(e.m_nCodeLength, 3);
    EXPECT_EQ(e.m_nRoundScores[0], 0);
    EXPECT_EQ(e.m_nShapesRow, 0);
    EXPECT_EQ(e.m_bShapesRowFull, 0);
    EXPECT_EQ(e.m_nShapesGuess[0][0], 0);
    EXPECT_FALSE(std::equal(order.begin(), order.end(), e.m_nChipOrder));
    EXPECT_TRUE(g.host.finished.empty());

    // Once a round has ended the game stands, also after the game is over.
    g.PlayRound(1, 1);
    g.SetStoredVariant(variant::kNoCircles);
    const std::vector<int32_t> before = StateWords(e);
    e.OnVariantChanged();
    EXPECT_EQ(StateWords(e), before);
}

TEST(Flow, NewGamePlaysTheVariantStoredMeanwhile)
{
    HeadlessGame g(variant::kAllShapes);
    g.engine.StartFirstGame();
    PlayScores(g, {2, 2, 2, 2, 2, 2, 2, 2});
    g.SetStoredVariant(variant::kNoCircles);
    g.engine.OnVariantChanged();
    EXPECT_EQ(g.engine.m_nVariant, 1);
    EXPECT_EQ(g.engine.m_nPhase, phase::kGameOver);
    g.engine.OnNewGame();
    EXPECT_EQ(g.engine.m_nVariant, 0);
    EXPECT_EQ(g.engine.m_nPhase, phase::kPlaying);
    EXPECT_EQ(g.engine.m_nRoundsPerGame, 7);
    EXPECT_EQ(g.engine.GameTotal(), 0);
    ExpectInvariants(g.engine);
}
