#pragma once
// Checks of the game state that must hold after every step of any game.

#include <gtest/gtest.h>

#include <set>

#include "CGameEngine.h"

inline void ExpectInvariants(const CGameEngine& e)
{
    std::set<int> seen(std::begin(e.m_nChipOrder), std::end(e.m_nChipOrder));
    ASSERT_EQ(seen.size(), 36u) << "a chip appears twice in the chip order";
    ASSERT_EQ(*seen.begin(), 0);
    ASSERT_EQ(*seen.rbegin(), 35);
    const variant::Rules& rules = variant::RulesFor(e.m_nVariant);
    for (int p = 0; p < rules.excludedCount; ++p) ASSERT_EQ(e.m_nChipOrder[p], rules.excluded[p]);

    // Out-of-play chips and the codes of ended rounds never show as available.
    for (int p = 0; p < e.CodeStart(e.m_nRoundsCompleted); ++p)
        ASSERT_EQ(e.m_bChipAvailable[e.m_nChipOrder[p]], 0) << "position " << p;
    // The current code's chips stay available while its round is played.
    if (e.m_nPhase == phase::kPlaying) {
        for (int i = 0; i < e.m_nCodeLength; ++i)
            ASSERT_EQ(e.m_bChipAvailable[e.m_nChipOrder[e.CodeStart(e.m_nRoundIndex) + i]], 1);
    }

    ASSERT_EQ(e.m_bShapesDone, e.m_bShapesClosed);
    ASSERT_EQ(e.m_bShapesDone, e.m_bShapesRevealed);
    ASSERT_EQ(e.m_bColorsDone, e.m_bColorsClosed);
    ASSERT_EQ(e.m_bColorsDone, e.m_bColorsRevealed);
    ASSERT_GE(e.m_nShapesRow, 0);
    ASSERT_LE(e.m_nShapesRow, 10);
    ASSERT_GE(e.m_nColorsRow, 0);
    ASSERT_LE(e.m_nColorsRow, 10);

    ASSERT_GE(e.m_nRoundIndex, 0);
    ASSERT_LT(e.m_nRoundIndex, e.m_nRoundsPerGame);
    ASSERT_EQ(e.m_nRoundsCompleted, e.m_nRoundIndex + (e.m_nPhase == phase::kPlaying ? 0 : 1));
    for (int n = 0; n < 8; ++n) {
        const int s = e.m_nRoundScores[n];
        if (n < e.m_nRoundsCompleted) {
            ASSERT_GE(s, 2) << "round " << n;
            ASSERT_LE(s, 24) << "round " << n;
        } else if (n > e.m_nRoundIndex) {
            ASSERT_EQ(s, 0) << "round " << n;
        } else {
            ASSERT_GE(s, 0);
            ASSERT_LE(s, 24);
        }
    }
    ASSERT_EQ(e.m_nPhase == phase::kGameOver, e.m_nRoundsCompleted == e.m_nRoundsPerGame);
}
