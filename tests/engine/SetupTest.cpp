#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "HeadlessGame.h"

namespace {

std::vector<int> OrderPrefix(const CGameEngine& e, int n)
{
    return std::vector<int>(e.m_nChipOrder, e.m_nChipOrder + n);
}

bool IsPermutation(const CGameEngine& e)
{
    std::set<int> seen(std::begin(e.m_nChipOrder), std::end(e.m_nChipOrder));
    return seen.size() == 36 && *seen.begin() == 0 && *seen.rbegin() == 35;
}

int AvailableCount(const CGameEngine& e)
{
    return static_cast<int>(std::count(std::begin(e.m_bChipAvailable), std::end(e.m_bChipAvailable), 1));
}

}  // namespace

TEST(Setup, NoCirclesPutsTheCirclesOutOfPlay)
{
    HeadlessGame g(variant::kNoCircles);
    g.engine.StartFirstGame();
    const CGameEngine& e = g.engine;
    EXPECT_EQ(e.m_nRoundsPerGame, 7);
    EXPECT_EQ(e.m_nCodeLength, 4);
    EXPECT_EQ(e.m_nOutOfPlay, 6);
    EXPECT_EQ(OrderPrefix(e, 6), (std::vector<int>{5, 11, 17, 23, 29, 35}));
    EXPECT_TRUE(IsPermutation(e));
    for (int i = 0; i < 36; ++i)
        EXPECT_EQ(e.m_bChipAvailable[i], chips::ShapeOf(i) == chips::kCircle ? 0 : 1) << i;
    for (int p = 6; p < 34; ++p) EXPECT_NE(chips::ShapeOf(e.m_nChipOrder[p]), chips::kCircle);
}

TEST(Setup, FiveByFivePlaysThreeSlotsWithoutCirclesOrRed)
{
    HeadlessGame g(variant::kFiveByFive);
    g.engine.StartFirstGame();
    const CGameEngine& e = g.engine;
    EXPECT_EQ(e.m_nRoundsPerGame, 8);
    EXPECT_EQ(e.m_nCodeLength, 3);
    EXPECT_EQ(OrderPrefix(e, 11), (std::vector<int>{5, 11, 17, 23, 29, 35, 30, 31, 32, 33, 34}));
    EXPECT_TRUE(IsPermutation(e));
    EXPECT_EQ(AvailableCount(e), 25);
    for (int i = 0; i < 36; ++i) {
        const bool excluded = chips::ShapeOf(i) == chips::kCircle || chips::ColorOf(i) == chips::kRed;
        EXPECT_EQ(e.m_bChipAvailable[i], excluded ? 0 : 1) << i;
    }
    for (int r = 0; r < 10; ++r) {
        EXPECT_EQ(e.m_nShapesPegs[r][3], peg::kNone);
        EXPECT_EQ(e.m_nColorsPegs[r][3], peg::kNone);
        EXPECT_EQ(e.m_nShapesGuess[r][3], chipvalue::kSlotOutOfPlay);
        EXPECT_EQ(e.m_nColorsGuess[r][3], chipvalue::kSlotOutOfPlay);
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(e.m_nShapesPegs[r][k], peg::kNoMatch);
            EXPECT_EQ(e.m_nColorsGuess[r][k], chipvalue::kEmpty);
        }
    }
}

TEST(Setup, AllShapesDrawsTwoChipsOutOfPlay)
{
    HeadlessGame g(variant::kAllShapes);
    g.engine.StartFirstGame();
    const CGameEngine& e = g.engine;
    EXPECT_EQ(e.m_nOutOfPlay, 2);
    EXPECT_TRUE(IsPermutation(e));
    EXPECT_EQ(AvailableCount(e), 34);
    EXPECT_EQ(e.m_bChipAvailable[e.m_nChipOrder[0]], 0);
    EXPECT_EQ(e.m_bChipAvailable[e.m_nChipOrder[1]], 0);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(e.m_nCodeShapes[i], chips::ShapeOf(e.m_nChipOrder[2 + i]));
        EXPECT_EQ(e.m_nCodeColors[i], chips::ColorOf(e.m_nChipOrder[2 + i]));
    }
}

TEST(Setup, DrawScalesFifteenBitsAndRejectsTakenChips)
{
    // 0 gives chip 0; the repeat and 910 (910 * 36 / 32768 = 0) are rejected; then chips
    // 35 down to 1, each from the smallest value that scales onto it.
    std::vector<int> script = {0, 0, 910, 32767};
    for (int k = 34; k >= 1; --k) script.push_back((k * 32768 + 35) / 36);
    RecordingHost host;
    ScriptedRandom random(script);
    OwnedSlots slots;
    CGameEngine e(host, random, slots.Table());
    e.StartFirstGame();
    std::vector<int> expected = {0};
    for (int k = 35; k >= 1; --k) expected.push_back(k);
    EXPECT_EQ(std::vector<int>(std::begin(e.m_nChipOrder), std::end(e.m_nChipOrder)), expected);
}

TEST(Setup, SeededOnceAndNewGamesContinueTheSequence)
{
    HeadlessGame a(variant::kAllShapes, 99), b(variant::kAllShapes, 99);
    a.engine.StartFirstGame();
    b.engine.StartFirstGame();
    EXPECT_TRUE(std::equal(std::begin(a.engine.m_nChipOrder), std::end(a.engine.m_nChipOrder),
                           b.engine.m_nChipOrder));

    std::vector<int> first(std::begin(a.engine.m_nChipOrder), std::end(a.engine.m_nChipOrder));
    for (int r = 0; r < 8; ++r) {
        a.PlayRound(0, 0);
        a.engine.OnNextRound();
    }
    a.engine.OnNewGame();
    EXPECT_EQ(a.host.seedings, 1);
    EXPECT_FALSE(std::equal(first.begin(), first.end(), a.engine.m_nChipOrder));
}

TEST(Setup, AnUnknownVariantPlaysTheDefault)
{
    for (int stored : {-5, 3, 32767}) {
        HeadlessGame g;
        g.SetStoredVariant(stored);
        g.engine.StartFirstGame();
        EXPECT_EQ(g.engine.m_nVariant, variant::kAllShapes) << stored;
        EXPECT_EQ(g.engine.m_nOutOfPlay, 2);
        EXPECT_TRUE(IsPermutation(g.engine));
    }
}

TEST(Setup, SlotFlagsStartTheRound)
{
    for (int v = 0; v < 3; ++v) {
        HeadlessGame g(v);
        g.engine.StartFirstGame();
        const int n = g.engine.m_nCodeLength;
        for (int b = 0; b < 2; ++b) {
            const BoardSlots& s = g.engine.Slots().boards[b];
            for (const ChipSlot* c : s.code) {
                EXPECT_EQ(c->m_bDragSource, 0);
                EXPECT_EQ(c->m_bDropTarget, 0);
                EXPECT_EQ(c->m_nSlotKind, slotkind::kCode);
                EXPECT_EQ(c->m_nBoard, b);
            }
            for (const ChipSlot* c : s.tray) {
                EXPECT_EQ(c->m_bDragSource, 1);
                EXPECT_EQ(c->m_bDropTarget, 0);
                EXPECT_EQ(c->m_nSlotKind, slotkind::kTray);
            }
            for (int i = 0; i < 40; ++i) {
                const int row = i / 4, k = i % 4;
                EXPECT_EQ(s.guess[i]->m_bDragSource, k < n ? 1 : 0);
                EXPECT_EQ(s.guess[i]->m_bDropTarget, row == 0 && k < n ? 1 : 0);
                EXPECT_EQ(s.guess[i]->m_nSlotKind, slotkind::kGuess);
            }
        }
    }
}

TEST(Setup, LastCodesSitAtTheEndOfTheChipOrder)
{
    for (int v = 0; v < 3; ++v) {
        HeadlessGame g(v);
        g.engine.StartFirstGame();
        const CGameEngine& e = g.engine;
        const int last = e.m_nRoundsPerGame - 1;
        while (e.m_nRoundIndex < last) {
            g.PlayRound(0, 0);
            g.engine.OnNextRound();
        }
        const int start = e.CodeStart(last);
        EXPECT_EQ(start + e.m_nCodeLength, v == 2 ? 35 : 34) << v;
        for (int i = 0; i < e.m_nCodeLength; ++i)
            EXPECT_EQ(e.m_nCodeShapes[i], chips::ShapeOf(e.m_nChipOrder[start + i]));
    }
}
