#include "CBoardRefresh.h"

namespace {

// A score digit: the leading position stays blank unless `shown`.
int Digit(int style, int d, bool shown) { return shown ? 10 * style + d : sprites::kBlankDigit; }

constexpr int kOpenStyle = 0;
constexpr int kClosedStyle = 1;
constexpr int kMarker = 2;   // an open board's current row

}  // namespace

CBoardRefresh::CBoardRefresh(BoardControls& controls, const GameState& s)
    : m_c(controls),
      m_s(s),
      m_boards{BoardOf(controls, s, board::kShapes), BoardOf(controls, s, board::kColors)},
      m_colorsFirst{&m_boards[board::kColors], &m_boards[board::kShapes]}
{
}

CBoardRefresh::Board CBoardRefresh::BoardOf(BoardControls& controls, const GameState& s, int b)
{
    const int other = 1 - b;
    return {controls.boards[b], BoardFieldsOf(s, b), board::FirstChip(b), BoardFieldsOf(s, other),
            board::FirstChip(other)};
}

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
        m_c.centre.center[i].m_nValue = m_s.m_bChipAvailable[i] == 1 ? i : i + chips::kCount;
        m_c.centre.center[i].repaint();
    }
}

void CBoardRefresh::RefreshScores()
{
    constexpr int kInPlay = 0, kFinished = 1, kTotal = 2;
    CCentreView& c = m_c.centre;
    for (int n = 0; n < variant::kMaxRounds; ++n) {
        CNumbers& tens = c.roundDigits[2 * n];
        CNumbers& units = c.roundDigits[2 * n + 1];
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
    c.totalDigits[0].m_nValue = Digit(kTotal, h, h > 0);
    c.totalDigits[1].m_nValue = Digit(kTotal, t, t > 0 || h > 0);
    c.totalDigits[2].m_nValue = Digit(kTotal, u, true);
    for (CNumbers& d : c.totalDigits) d.repaint();
}

void CBoardRefresh::RefreshPegs()
{
    for (int r = 0; r < board::kRows; ++r) {
        for (int k = 0; k < board::kSlots; ++k) {
            const int i = board::kSlots * r + k;
            for (const Board& b : m_boards) b.view.pegs[i].m_nValue = PegShown(b, r, k);
            for (const Board& b : m_boards) b.view.pegs[i].repaint();
        }
    }
}

void CBoardRefresh::RefreshTrays()
{
    for (int k = 0; k < board::kTraySlots; ++k)
        for (const Board& b : m_boards) b.view.tray[k].m_nValue = TrayShown(b, k);
    for (int k = 0; k < board::kTraySlots; ++k)
        for (const Board* b : m_colorsFirst) b->view.tray[k].repaint();
}

void CBoardRefresh::RefreshCodeRows()
{
    for (int k = 0; k < board::kSlots; ++k) {
        for (const Board& b : m_boards) b.view.code[k].m_nValue = CodeShown(b, k);
        for (const Board* b : m_colorsFirst) b->view.code[k].repaint();
    }
}

void CBoardRefresh::RefreshGuessRows()
{
    for (int r = 0; r < board::kRows; ++r) {
        for (int k = 0; k < board::kSlots; ++k) {
            const int i = board::kSlots * r + k;
            for (const Board& b : m_boards) b.view.guess[i].m_nValue = GuessShown(b, r, k);
            for (const Board& b : m_boards) b.view.guess[i].repaint();
        }
    }
}

void CBoardRefresh::RefreshFrames()
{
    // The code row's and the tray's side pieces, then the bars, then every row's three pieces.
    for (int j = 0; j < 2; ++j) {
        for (const Board& b : m_boards) b.view.codeSides[j].m_nValue = BoardStyle(b);
        for (const Board& b : m_boards) b.view.traySides[j].m_nValue = BoardStyle(b);
        for (const Board& b : m_boards) b.view.codeSides[j].repaint();
        for (const Board& b : m_boards) b.view.traySides[j].repaint();
    }
    for (int k = 0; k < 4; ++k) {
        for (const Board& b : m_boards) b.view.bars[k].m_nValue = BoardStyle(b);
        for (const Board& b : m_boards) b.view.bars[k].repaint();
    }
    for (int r = 0; r < board::kRows; ++r) {
        for (int p = 0; p < 3; ++p) {
            for (const Board& b : m_boards) b.view.rowSides[3 * r + p].m_nValue = RowStyle(b, r);
            for (const Board& b : m_boards) b.view.rowSides[3 * r + p].repaint();
        }
    }
}

void CBoardRefresh::UpdateGuessButtons()
{
    for (const Board& b : m_boards) UpdateGuessButtons(b);
}

void CBoardRefresh::UpdateGuessButtons(const Board& b)
{
    // At most one GUESS per board, on its full current row, standing where that row's pegs are.
    auto offered = [&](int k) { return b.own.closed == 0 && b.own.rowFull == 1 && b.own.row == k; };
    for (int k = 0; k < board::kRows; ++k) {
        b.view.guessButtons[k].setVisible(offered(k));
        b.view.guessButtons[k].repaint();
    }
    for (int k = 0; k < board::kRows; ++k) {
        for (int p = 0; p < board::kSlots; ++p) {
            CScoreChip& pegChip = b.view.pegs[board::kSlots * k + p];
            pegChip.setVisible(!offered(k));
            pegChip.repaint();
        }
    }
}

void CBoardRefresh::RefreshPhaseButtons()
{
    // NEW GAME and NEXT ROUND share one place; at most one is ever seen.
    m_c.centre.nextRound.setVisible(m_s.m_nPhase != phase::kPlaying && m_s.m_nPhase != phase::kGameOver);
    m_c.centre.newGame.setVisible(m_s.m_nPhase > phase::kRoundOver);
    m_c.centre.nextRound.repaint();
    m_c.centre.newGame.repaint();
}

// An open board's current row shows no pegs: its GUESS button takes their place when full.
int CBoardRefresh::PegShown(const Board& b, int r, int k) const
{
    return r == b.own.row && b.own.closed != 1 ? peg::kNone : b.own.pegs[r][k];
}

// The sixth chip is set aside where circles, or red, are out of play.
int CBoardRefresh::TrayShown(const Board& b, int k) const
{
    if (k < board::kTraySlots - 1) return b.firstChip + k;
    const variant::Rules& rules = variant::RulesFor(m_s.m_nVariant);
    if (b.firstChip == chipvalue::kFirstShape)
        return rules.circlesInPlay ? chipvalue::kLastShape : chipvalue::kShapeNotInPlay;
    return rules.redInPlay ? chipvalue::kLastColor : chipvalue::kColorNotInPlay;
}

// The code rows are crossed: each shows the other board's attribute once that board closed.
int CBoardRefresh::CodeShown(const Board& b, int k) const
{
    if (!SlotInPlay(k)) return chipvalue::kSlotOutOfPlay;
    return b.other.revealed == 1 ? b.otherFirstChip - 1 + b.other.code[k] : chipvalue::kHiddenCode;
}

// A guess record holds attributes 1 to 6; on the COLORS board they show as colour chips.
int CBoardRefresh::GuessShown(const Board& b, int r, int k) const
{
    if (!SlotInPlay(k)) return chipvalue::kSlotOutOfPlay;
    const int attr = b.own.guess[r][k];
    return attr >= 1 && attr <= 6 ? b.firstChip - 1 + attr : attr;
}

int CBoardRefresh::BoardStyle(const Board& b) { return b.own.closed == 1 ? kClosedStyle : kOpenStyle; }

// An open board marks its current row on both sides and in the middle.
int CBoardRefresh::RowStyle(const Board& b, int r)
{
    return r == b.own.row && b.own.closed == 0 ? kMarker : BoardStyle(b);
}

bool CBoardRefresh::SlotInPlay(int k) const
{
    return k < variant::RulesFor(m_s.m_nVariant).codeLength;
}
