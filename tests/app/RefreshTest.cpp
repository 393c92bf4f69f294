#include <gtest/gtest.h>

#include "DialogPlayer.h"

namespace {

const int S = board::kShapes;
const int C = board::kColors;
const int kBlank = 30;

std::vector<int> Pegs(CBoardView& b, int row)
{
    std::vector<int> v;
    for (int k = 0; k < 4; ++k) v.push_back(b.pegs[4 * row + k].m_nValue);
    return v;
}

std::vector<int> Digits(CNumbers* d, int n)
{
    std::vector<int> v;
    for (int i = 0; i < n; ++i) v.push_back(d[i].m_nValue);
    return v;
}

int VisibleGuessButtons(CBoardView& b)
{
    int n = 0;
    for (auto& w : b.guessButtons) n += !w.isHidden();
    return n;
}

}  // namespace

TEST(Refresh, PlayingWithTheCurrentRowOpen)
{
    DialogPlayer p;
    p.Miss(S);
    CBoardView& s = p.Board(S);
    // Row 1 is current: marked on all three pieces, pegs blank; row 0 shows feedback, rows above 1.
    for (int piece = 0; piece < 3; ++piece) {
        EXPECT_EQ(s.rowSides[3 * 1 + piece].m_nValue, 2);
        EXPECT_EQ(s.rowSides[3 * 0 + piece].m_nValue, 0);
    }
    EXPECT_EQ(Pegs(s, 1), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(Pegs(s, 5), (std::vector<int>{1, 1, 1, 1}));
    EXPECT_EQ(Pegs(s, 0), std::vector<int>(p.Game().m_nShapesPegs[0], p.Game().m_nShapesPegs[0] + 4));
    for (auto& code : s.code) EXPECT_EQ(code.m_nValue, 13);
    EXPECT_EQ(VisibleGuessButtons(s), 0);
    EXPECT_TRUE(p.dlg.Controls().centre.newGame.isHidden());
    EXPECT_TRUE(p.dlg.Controls().centre.nextRound.isHidden());
    // One guess so far: the round in play shows a single 1 in its own style.
    EXPECT_EQ(Digits(p.dlg.Controls().centre.roundDigits, 4), (std::vector<int>{kBlank, 1, kBlank, kBlank}));
    EXPECT_EQ(Digits(p.dlg.Controls().centre.totalDigits, 3), (std::vector<int>{kBlank, kBlank, 21}));
}

TEST(Refresh, AFullRowOffersItsGuessInPlaceOfItsPegs)
{
    DialogPlayer p;
    p.Fill(C, {1, 2, 3, 4});
    CBoardView& c = p.Board(C);
    EXPECT_FALSE(c.guessButtons[0].isHidden());
    EXPECT_EQ(VisibleGuessButtons(c), 1);
    for (int k = 0; k < 4; ++k) {
        EXPECT_TRUE(c.pegs[k].isHidden());
        EXPECT_FALSE(c.pegs[4 + k].isHidden());
    }
    EXPECT_EQ(VisibleGuessButtons(p.Board(S)), 0);
    // The slots show the dropped colours; the GUESS press hides the button again.
    EXPECT_EQ(c.guess[2].m_nValue, 9);
    p.PressGuess(C);
    EXPECT_EQ(VisibleGuessButtons(c), 0);
    for (int k = 0; k < 4; ++k) EXPECT_FALSE(c.pegs[k].isHidden());
}

TEST(Refresh, AClosedBoardRevealsItsAttributeAcross)
{
    DialogPlayer p;
    p.Miss(S);
    p.Solve(S);
    CBoardView& s = p.Board(S);
    CBoardView& c = p.Board(C);
    for (auto& w : s.rowSides) EXPECT_EQ(w.m_nValue, 1);
    for (auto& w : s.bars) EXPECT_EQ(w.m_nValue, 1);
    for (auto& w : s.traySides) EXPECT_EQ(w.m_nValue, 1);
    for (auto& w : c.bars) EXPECT_EQ(w.m_nValue, 0);
    EXPECT_EQ(Pegs(s, 1), (std::vector<int>{3, 3, 3, 3}));   // the solving row shows its pegs
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(c.code[k].m_nValue, p.Game().m_nCodeShapes[k]);
        EXPECT_EQ(s.code[k].m_nValue, 13);
    }
    for (int i = 0; i < 36; ++i)
        EXPECT_EQ(p.dlg.Controls().centre.center[i].m_nValue, p.Game().m_bChipAvailable[i] ? i : i + 36);
    p.Fill(S, {1, 1, 1, 1});   // a closed board offers nothing
    EXPECT_EQ(VisibleGuessButtons(s), 0);
    p.Fill(C, {1, 1, 1, 1});
    EXPECT_EQ(VisibleGuessButtons(c), 1);
}

TEST(Refresh, RoundOverAndGameOver)
{
    DialogPlayer p;
    p.Solve(S);
    p.Miss(C);
    p.Solve(C);
    CCentreView& ctl = p.dlg.Controls().centre;
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(p.Board(S).code[k].m_nValue, 6 + p.Game().m_nCodeColors[k]);
        EXPECT_EQ(p.Board(C).code[k].m_nValue, p.Game().m_nCodeShapes[k]);
    }
    EXPECT_FALSE(ctl.nextRound.isHidden());
    EXPECT_TRUE(ctl.newGame.isHidden());
    EXPECT_EQ(Digits(ctl.roundDigits, 4), (std::vector<int>{kBlank, 13, kBlank, kBlank}));   // finished style
    EXPECT_EQ(VisibleGuessButtons(p.Board(S)) + VisibleGuessButtons(p.Board(C)), 0);
    for (int r = 0; r < 10; ++r)
        for (int k = 0; k < 4; ++k) EXPECT_FALSE(p.Board(S).pegs[4 * r + k].isHidden());

    for (int r = 1; r < 8; ++r) {
        ctl.nextRound.click();
        p.Solve(S);
        p.Solve(C);
    }
    EXPECT_TRUE(ctl.nextRound.isHidden());
    EXPECT_FALSE(ctl.newGame.isHidden());
    EXPECT_EQ(Digits(ctl.roundDigits, 16),
              (std::vector<int>{kBlank, 13, kBlank, 12, kBlank, 12, kBlank, 12,
                                kBlank, 12, kBlank, 12, kBlank, 12, kBlank, 12}));
    EXPECT_EQ(Digits(ctl.totalDigits, 3), (std::vector<int>{kBlank, 21, 27}));   // 3 + 7 * 2
    ctl.newGame.click();
    EXPECT_EQ(p.Game().m_nPhase, phase::kPlaying);
    EXPECT_TRUE(ctl.newGame.isHidden());
    EXPECT_EQ(Digits(ctl.totalDigits, 3), (std::vector<int>{kBlank, kBlank, 20}));
}

TEST(Refresh, ScoreDigitsAndTotals)
{
    DialogPlayer p;
    CGameEngine& g = p.Game();
    CNumbers* round = p.dlg.Controls().centre.roundDigits;
    CNumbers* total = p.dlg.Controls().centre.totalDigits;
    g.m_nRoundIndex = 2;
    g.m_nRoundScores[0] = 10;
    g.m_nRoundScores[1] = 24;
    g.m_nRoundScores[2] = 0;
    p.dlg.RefreshBoard();
    EXPECT_EQ(Digits(round, 8), (std::vector<int>{11, 10, 12, 14, kBlank, 0, kBlank, kBlank}));
    EXPECT_EQ(Digits(total, 3), (std::vector<int>{kBlank, 23, 24}));
    const std::vector<std::pair<int, std::vector<int>>> totals = {
        {7, {kBlank, kBlank, 27}}, {105, {21, 20, 25}}, {0, {kBlank, kBlank, 20}}, {192, {21, 29, 22}}};
    for (const auto& [sum, digits] : totals) {
        std::fill(std::begin(g.m_nRoundScores), std::end(g.m_nRoundScores), 0);
        g.m_nRoundScores[7] = sum;
        p.dlg.RefreshScores();
        EXPECT_EQ(Digits(total, 3), digits) << sum;
    }
}

TEST(Refresh, MissingRowNineLeavesNoCurrentRow)
{
    DialogPlayer p;
    for (int i = 0; i < 10; ++i) p.Miss(C);
    ASSERT_EQ(p.Row(C), 10);
    for (int r = 0; r < 10; ++r) {
        const int32_t* pegs = p.Game().m_nColorsPegs[r];
        EXPECT_EQ(Pegs(p.Board(C), r), std::vector<int>(pegs, pegs + 4));
        for (int piece = 0; piece < 3; ++piece) EXPECT_EQ(p.Board(C).rowSides[3 * r + piece].m_nValue, 1);
    }
    EXPECT_EQ(VisibleGuessButtons(p.Board(C)), 0);
}

TEST(Refresh, FiveByFiveShowsTheFourthColumnOutOfPlay)
{
    DialogPlayer p;
    p.Game().m_nRoundsCompleted = 0;
    QFile cfg(p.data.filePath("Tarnwick Software/Vantel/vantel.cfg"));
    QDir(p.data.path()).mkpath("Tarnwick Software/Vantel");
    ASSERT_TRUE(cfg.open(QIODevice::WriteOnly));
    cfg.write(QByteArray("\x02\x00", 2));
    cfg.close();
    QEvent changed(UM_VARIANT_CHANGED);
    QCoreApplication::sendEvent(&p.dlg, &changed);
    ASSERT_EQ(p.Game().m_nVariant, 2);
    p.Fill(S, {1, 2, 3});
    p.Fill(C, {1, 2, 3});
    p.PressGuess(S);
    for (int b = 0; b < 2; ++b) {
        for (int r = 0; r < 10; ++r) {
            EXPECT_EQ(p.Board(b).guess[4 * r + 3].m_nValue, 16);
            EXPECT_EQ(p.Board(b).pegs[4 * r + 3].m_nValue, 0);
        }
        EXPECT_EQ(p.Board(b).code[3].m_nValue, 16);
    }
    EXPECT_EQ(VisibleGuessButtons(p.Board(C)), 1);
    EXPECT_TRUE(p.Board(C).pegs[3].isHidden());   // the fourth peg hides with the other three
    EXPECT_EQ(p.Board(S).tray[5].m_nValue, 14);
    EXPECT_EQ(p.Board(C).tray[5].m_nValue, 15);
}

TEST(Refresh, TraysFollowTheVariant)
{
    DialogPlayer p;
    EXPECT_EQ(p.Board(S).tray[5].m_nValue, 6);
    EXPECT_EQ(p.Board(C).tray[5].m_nValue, 12);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(p.Board(S).tray[k].m_nValue, 1 + k);
        EXPECT_EQ(p.Board(C).tray[k].m_nValue, 7 + k);
    }
    p.Game().m_nVariant = 0;
    p.dlg.RefreshBoard();
    EXPECT_EQ(p.Board(S).tray[5].m_nValue, 14);
    EXPECT_EQ(p.Board(C).tray[5].m_nValue, 12);
}

TEST(Refresh, NoCirclesLeavesTheEighthRoundBlank)
{
    DialogPlayer p;
    CGameEngine& g = p.Game();
    g.m_nVariant = 0;
    g.m_bRoundOver = 1;
    g.m_nPhase = phase::kGameOver;
    g.m_nRoundIndex = 6;
    for (int n = 0; n < 7; ++n) g.m_nRoundScores[n] = 5;
    p.dlg.RefreshBoard();
    EXPECT_EQ(Digits(p.dlg.Controls().centre.roundDigits + 12, 4), (std::vector<int>{kBlank, 15, kBlank, kBlank}));
    EXPECT_FALSE(p.dlg.Controls().centre.newGame.isHidden());
}

TEST(Refresh, RunningItTwiceChangesNothing)
{
    DialogPlayer p;
    p.Miss(S);
    p.Solve(C);
    p.Fill(S, {1, 2, 3, 4});
    const std::vector<int> once = Snapshot(p.dlg);
    p.dlg.RefreshBoard();
    EXPECT_EQ(Snapshot(p.dlg), once);
    p.Solve(S);
    const std::vector<int> after = Snapshot(p.dlg);
    p.dlg.RefreshBoard();
    EXPECT_EQ(Snapshot(p.dlg), after);
}
