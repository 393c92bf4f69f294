#include "CBoardRefresh.h"

namespace {

BoardWidgets& Shapes(BoardControls& c) { return c.boards[board::kShapes]; }
BoardWidgets& Colors(BoardControls& c) { return c.boards[board::kColors]; }

// A score digit: the leading position stays blank unless `shown`.
int Digit(int style, int d, bool shown) { return shown ? 10 * style + d : sprites::kBlankDigit; }

}  // namespace

void CBoardRefresh::RefreshBoard()
{
    RefreshCenter();
    RefreshScores();
    RefreshPegs();
    RefreshTrays();
    RefreshCodeRows();
    RefreshGuessRows();
    RefreshFrames();
    UpdateGuessButtons();
    RefreshPhaseButtons();
}

void CBoardRefresh::RefreshCenter()
{
    for (int i = 0; i < chips::kCount; ++i) {
        m_c.center[i].m_nValue = m_s.m_bChipAvailable[i] == 1 ? i : i + chips::kCount;
        m_c.center[i].repaint();
    }
}

void CBoardRefresh::RefreshScores()
{
    constexpr int kInPlay = 0, kFinished = 1, kTotal = 2;
    for (int n = 0; n < variant::kMaxRounds; ++n) {
        CNumbers& tens = m_c.roundDigits[2 * n];
        CNumbers& units = m_c.roundDigits[2 * n + 1];
        if (n > m_s.m_nRoundIndex) {
            tens.m_nValue = units.m_nValue = sprites::kBlankDigit;
        } else {
            const int s = m_s.m_nRoundScores[n];
            const int style = n == m_s.m_nRoundIndex && m_s.m_bRoundOver == 0 ? kInPlay : kFinished;
            tens.m_nValue = Digit(style, s / 10, s / 10 > 0);
            units.m_nValue = Digit(style, s % 10, true);
        }
        tens.repaint();
        units.repaint();
    }
    int total = 0;
    for (int s : m_s.m_nRoundScores) total += s;
    const int h = total / 100, t = total / 10 % 10, u = total % 10;
    m_c.totalDigits[0].m_nValue = Digit(kTotal, h, h > 0);
    m_c.totalDigits[1].m_nValue = Digit(kTotal, t, t > 0 || h > 0);
    m_c.totalDigits[2].m_nValue = Digit(kTotal, u, true);
    for (CNumbers& d : m_c.totalDigits) d.repaint();
}

void CBoardRefresh::RefreshPegs()
{
    // An open board's current row shows no pegs: its GUESS button takes their place when full.
    for (int r = 0; r < board::kRows; ++r) {
        for (int k = 0; k < board::kSlots; ++k) {
            CScoreChip& s = Shapes(m_c).pegs[board::kSlots * r + k];
            CScoreChip& c = Colors(m_c).pegs[board::kSlots * r + k];
            const bool shapesCurrent = r == m_s.m_nShapesRow && m_s.m_bShapesClosed != 1;
            const bool colorsCurrent = r == m_s.m_nColorsRow && m_s.m_bColorsClosed != 1;
            s.m_nValue = shapesCurrent ? peg::kNone : m_s.m_nShapesPegs[r][k];
            c.m_nValue = colorsCurrent ? peg::kNone : m_s.m_nColorsPegs[r][k];
            s.repaint();
            c.repaint();
        }
    }
}

void CBoardRefresh::RefreshTrays()
{
    for (int k = 0; k < board::kTraySlots - 1; ++k) {
        Shapes(m_c).tray[k].m_nValue = chipvalue::kFirstShape + k;
        Colors(m_c).tray[k].m_nValue = chipvalue::kFirstColor + k;
    }
    // The sixth chip is set aside where circles, or red, are out of play.
    Shapes(m_c).tray[5].m_nValue =
        m_s.m_nVariant == variant::kAllShapes ? chipvalue::kLastShape : chipvalue::kShapeNotInPlay;
    Colors(m_c).tray[5].m_nValue =
        m_s.m_nVariant >= variant::kFiveByFive ? chipvalue::kColorNotInPlay : chipvalue::kLastColor;
    for (int k = 0; k < board::kTraySlots; ++k) {
        Colors(m_c).tray[k].repaint();
        Shapes(m_c).tray[k].repaint();
    }
}

void CBoardRefresh::RefreshCodeRows()
{
    // The code rows are crossed: each shows the other board's attribute once that board closed.
    for (int k = 0; k < board::kSlots; ++k) {
        CGuessChip& s = Shapes(m_c).code[k];
        CGuessChip& c = Colors(m_c).code[k];
        if (k == 3 && m_s.m_nVariant == variant::kFiveByFive) {
            s.m_nValue = c.m_nValue = chipvalue::kSlotOutOfPlay;
        } else {
            s.m_nValue = m_s.m_bColorsRevealed == 1 ? 6 + m_s.m_nCodeColors[k] : chipvalue::kHiddenCode;
            c.m_nValue = m_s.m_bShapesRevealed == 1 ? m_s.m_nCodeShapes[k] : chipvalue::kHiddenCode;
        }
        c.repaint();
        s.repaint();
    }
}

void CBoardRefresh::RefreshGuessRows()
{
    for (int r = 0; r < board::kRows; ++r) {
        for (int k = 0; k < board::kSlots; ++k) {
            CGuessChip& s = Shapes(m_c).guess[board::kSlots * r + k];
            CGuessChip& c = Colors(m_c).guess[board::kSlots * r + k];
            if (k == 3 && m_s.m_nVariant == variant::kFiveByFive) {
                s.m_nValue = c.m_nValue = chipvalue::kSlotOutOfPlay;
            } else {
                const int colour = m_s.m_nColorsGuess[r][k];
                s.m_nValue = m_s.m_nShapesGuess[r][k];
                c.m_nValue = colour >= 1 && colour <= 6 ? colour + 6 : colour;
            }
            s.repaint();
            c.repaint();
        }
    }
}

void CBoardRefresh::RefreshFrames()
{
    const int cS = m_s.m_bShapesClosed == 1 ? 1 : 0;
    const int cC = m_s.m_bColorsClosed == 1 ? 1 : 0;
    for (int j = 0; j < 2; ++j) {
        Shapes(m_c).codeSides[j].m_nValue = cS;
        Colors(m_c).codeSides[j].m_nValue = cC;
        Shapes(m_c).traySides[j].m_nValue = cS;
        Colors(m_c).traySides[j].m_nValue = cC;
        Shapes(m_c).codeSides[j].repaint();
        Colors(m_c).codeSides[j].repaint();
        Shapes(m_c).traySides[j].repaint();
        Colors(m_c).traySides[j].repaint();
    }
    for (int k = 0; k < 4; ++k) {
        Shapes(m_c).bars[k].m_nValue = cS;
        Colors(m_c).bars[k].m_nValue = cC;
        Shapes(m_c).bars[k].repaint();
        Colors(m_c).bars[k].repaint();
    }
    // An open board marks its current row on both sides and in the middle.
    constexpr int kMarker = 2;
    for (int r = 0; r < board::kRows; ++r) {
        for (int p = 0; p < 3; ++p) {
            CSideVert& s = Shapes(m_c).rowSides[3 * r + p];
            CSideVert& c = Colors(m_c).rowSides[3 * r + p];
            s.m_nValue = r == m_s.m_nShapesRow && m_s.m_bShapesClosed == 0 ? kMarker : cS;
            c.m_nValue = r == m_s.m_nColorsRow && m_s.m_bColorsClosed == 0 ? kMarker : cC;
            s.repaint();
            c.repaint();
        }
    }
}

void CBoardRefresh::UpdateGuessButtons()
{
    UpdateGuessButtons(Shapes(m_c), m_s.m_bShapesClosed, m_s.m_bShapesRowFull, m_s.m_nShapesRow);
    UpdateGuessButtons(Colors(m_c), m_s.m_bColorsClosed, m_s.m_bColorsRowFull, m_s.m_nColorsRow);
}

void CBoardRefresh::UpdateGuessButtons(BoardWidgets& w, int closed, int rowFull, int row)
{
    // At most one GUESS per board, on its full current row, standing where that row's pegs are.
    auto offered = [&](int k) { return closed == 0 && rowFull == 1 && row == k; };
    for (int k = 0; k < board::kRows; ++k) {
        w.guessButtons[k].setVisible(offered(k));
        w.guessButtons[k].repaint();
    }
    for (int k = 0; k < board::kRows; ++k) {
        for (int p = 0; p < board::kSlots; ++p) {
            CScoreChip& pegChip = w.pegs[board::kSlots * k + p];
            pegChip.setVisible(!offered(k));
            pegChip.repaint();
        }
    }
}

void CBoardRefresh::RefreshPhaseButtons()
{
    // NEW GAME and NEXT ROUND share one place; at most one is ever seen.
    m_c.nextRound.setVisible(m_s.m_nPhase != phase::kPlaying && m_s.m_nPhase != phase::kGameOver);
    m_c.newGame.setVisible(m_s.m_nPhase > phase::kRoundOver);
    m_c.nextRound.repaint();
    m_c.newGame.repaint();
}
