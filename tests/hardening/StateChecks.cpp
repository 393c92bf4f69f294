#include "StateChecks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "Invariants.h"

namespace {

// The checks run millions of times, so they are plain comparisons; only a broken rule is spelt out.
template <typename... Parts>
std::string Describe(const Parts&... parts)
{
    std::ostringstream text;
    (text << ... << parts);
    return text.str();
}

#define RULE(holds, ...)                                                 \
    do {                                                                 \
        if (!(holds)) return Describe(#holds, ": ", __VA_ARGS__);         \
    } while (0)

#define THEN(check)                                                      \
    do {                                                                 \
        std::string broken = (check);                                    \
        if (!broken.empty()) return broken;                              \
    } while (0)

// One board's fields, read-only.
struct Board {
    int index;
    const int32_t (*guess)[board::kSlots];
    const int32_t (*pegs)[board::kSlots];
    const int32_t* code;
    int row;
    int closed;
    int rowFull;
    int revealed;
    int done;
};

Board BoardOf(const CGameEngine& e, int b)
{
    if (b == board::kShapes) {
        return {b, e.m_nShapesGuess, e.m_nShapesPegs, e.m_nCodeShapes, e.m_nShapesRow, e.m_bShapesClosed,
                e.m_bShapesRowFull, e.m_bShapesRevealed, e.m_bShapesDone};
    }
    return {b, e.m_nColorsGuess, e.m_nColorsPegs, e.m_nCodeColors, e.m_nColorsRow, e.m_bColorsClosed,
            e.m_bColorsRowFull, e.m_bColorsRevealed, e.m_bColorsDone};
}

// Rows evaluated so far: a solved board stays on its solving row, a failed one has left row 9.
int Evaluated(const Board& v)
{
    if (!v.closed) return v.row;
    return v.row == board::kRows ? board::kRows : v.row + 1;
}

// A point per evaluated guess, and two more for a board that failed.
int Cost(const Board& v)
{
    return Evaluated(v) + (v.closed && v.row == board::kRows ? 2 : 0);
}

bool IsFlag(int f) { return f == 0 || f == 1; }

std::string BoardFlags(const Board& v)
{
    RULE(IsFlag(v.closed) && IsFlag(v.rowFull), "board ", v.index);
    // Closed, revealed and done are set together and cleared together.
    RULE(v.done == v.closed && v.revealed == v.closed, "board ", v.index, " done ", v.done, " closed ",
         v.closed, " revealed ", v.revealed);
    RULE(v.row >= 0 && v.row <= board::kRows, "board ", v.index, " row ", v.row);
    RULE(v.row < board::kRows || v.closed, "board ", v.index, " is open past its last row");
    RULE(!v.closed || !v.rowFull, "board ", v.index, " is closed with a full row");
    return {};
}

std::string CellState(const Board& v, int r, int k, int n)
{
    const int g = v.guess[r][k];
    const int p = v.pegs[r][k];
    if (k >= n) {
        RULE(g == chipvalue::kSlotOutOfPlay && p == peg::kNone, "board ", v.index, " row ", r, " slot ", k);
    } else if (r < Evaluated(v)) {
        RULE(g >= 1 && g <= 6, "board ", v.index, " row ", r, " slot ", k);
    } else if (r == v.row) {
        RULE(g >= 0 && g <= 6, "board ", v.index, " row ", r, " slot ", k);
        RULE(!v.rowFull || g != 0, "board ", v.index, ": a full row with an empty slot");
        RULE(p == peg::kNoMatch, "board ", v.index, " row ", r, " slot ", k);
    } else {
        RULE(g == 0 && p == peg::kNoMatch, "board ", v.index, " row ", r, " ahead of the current row");
    }
    return {};
}

std::string EvaluatedRows(const Board& v, int n)
{
    const bool solved = v.closed && v.row < board::kRows;
    for (int r = 0; r < Evaluated(v); ++r) {
        const std::array<int, board::kSlots> want = PegsByCounting(v.guess[r], v.code, n);
        for (int k = 0; k < board::kSlots; ++k)
            RULE(v.pegs[r][k] == want[k], "board ", v.index, " row ", r, " slot ", k, " peg ", v.pegs[r][k]);
        // Only the row that broke the code is all exact; the board closed there.
        const bool allExact = std::count(want.begin(), want.begin() + n, peg::kExact) == n;
        RULE(allExact == (solved && r == Evaluated(v) - 1), "board ", v.index, " row ", r);
    }
    return {};
}

std::string BoardState(const Board& v, int n)
{
    THEN(BoardFlags(v));
    for (int r = 0; r < board::kRows; ++r)
        for (int k = 0; k < board::kSlots; ++k) THEN(CellState(v, r, k, n));
    return EvaluatedRows(v, n);
}

std::string VariantState(const CGameEngine& e)
{
    RULE(variant::IsValid(e.m_nVariant), e.m_nVariant);
    const variant::Rules& rules = variant::RulesFor(e.m_nVariant);
    RULE(e.m_nRoundsPerGame == rules.roundsPerGame && e.m_nCodeLength == rules.codeLength &&
             e.m_nOutOfPlay == rules.outOfPlay,
         "variant ", e.m_nVariant);
    RULE(e.m_nPhase >= phase::kPlaying && e.m_nPhase <= phase::kGameOver, e.m_nPhase);
    RULE(e.m_bRoundOver == (e.m_nPhase == phase::kPlaying ? 0 : 1), e.m_bRoundOver);
    const bool bothClosed = e.m_bShapesClosed && e.m_bColorsClosed;
    RULE(bothClosed == (e.m_nPhase != phase::kPlaying), "a round ends exactly when both boards close");
    // The code on the boards is the chip order's code of the round being played.
    for (int i = 0; i < e.m_nCodeLength; ++i) {
        const int chip = e.m_nChipOrder[e.CodeStart(e.m_nRoundIndex) + i];
        RULE(e.m_nCodeShapes[i] == chips::ShapeOf(chip) && e.m_nCodeColors[i] == chips::ColorOf(chip),
             "code slot ", i);
    }
    return {};
}

// Used chips are out; while one board is closed the other sees only chips sharing the closed
// board's attribute with some chip of the code.
std::string PoolState(const CGameEngine& e)
{
    const bool playing = e.m_nPhase == phase::kPlaying;
    const int used = e.CodeStart(playing ? e.m_nRoundIndex : e.m_nRoundsCompleted);
    bool available[chips::kCount];
    std::fill(std::begin(available), std::end(available), true);
    for (int p = 0; p < used; ++p) available[e.m_nChipOrder[p]] = false;
    const int start = e.CodeStart(e.m_nRoundIndex);
    for (int c = 0; c < chips::kCount && playing; ++c) {
        bool shapeInCode = false;
        bool colorInCode = false;
        for (int i = 0; i < e.m_nCodeLength; ++i) {
            shapeInCode |= chips::ShapeOf(e.m_nChipOrder[start + i]) == chips::ShapeOf(c);
            colorInCode |= chips::ColorOf(e.m_nChipOrder[start + i]) == chips::ColorOf(c);
        }
        if ((e.m_bShapesClosed && !shapeInCode) || (e.m_bColorsClosed && !colorInCode)) available[c] = false;
    }
    for (int c = 0; c < chips::kCount; ++c)
        RULE(e.m_bChipAvailable[c] == (available[c] ? 1 : 0), "chip ", c);
    return {};
}

std::string ScoreState(const CGameEngine& e)
{
    const int current = Cost(BoardOf(e, board::kShapes)) + Cost(BoardOf(e, board::kColors));
    RULE(e.m_nRoundScores[e.m_nRoundIndex] == current, "round ", e.m_nRoundIndex, " should score ", current);
    for (int n = 0; n < variant::kMaxRounds; ++n) {
        const int s = e.m_nRoundScores[n];
        RULE(n >= e.m_nRoundIndex || (s >= 2 && s <= 24), "round ", n, " scored ", s);
        RULE(n <= e.m_nRoundIndex || s == 0, "round ", n, " scored ", s);
    }
    RULE(e.GameTotal() <= 24 * e.m_nRoundsPerGame, e.GameTotal());
    return {};
}

std::string SlotState(const ChipSlot& s, int b, int kind, bool drag, bool drop)
{
    RULE(s.m_nBoard == b && s.m_nSlotKind == kind, "board ", b, " kind ", kind);
    RULE(s.m_bDragSource == (drag ? 1 : 0) && s.m_bDropTarget == (drop ? 1 : 0), "board ", b, " kind ", kind);
    return {};
}

// An open board gives drags from its tray and its slots in play, and takes drops only on the slots
// in play of its current row; a closed board does neither; the code never does.
std::string SlotsState(const CGameEngine& e, const Board& v)
{
    const BoardSlots& slots = e.Slots().boards[v.index];
    const bool open = !v.closed;
    for (int i = 0; i < board::kGuessSlots; ++i) {
        const bool inPlay = i % board::kSlots < e.m_nCodeLength;
        const bool current = i / board::kSlots == v.row;
        const bool drop = open && inPlay && current;
        THEN(SlotState(*slots.guess[i], v.index, slotkind::kGuess, open && inPlay, drop));
    }
    for (const ChipSlot* s : slots.tray) THEN(SlotState(*s, v.index, slotkind::kTray, open, false));
    for (const ChipSlot* s : slots.code) THEN(SlotState(*s, v.index, slotkind::kCode, false, false));
    return {};
}

}  // namespace

std::array<int, board::kSlots> PegsByCounting(const int32_t* guess, const int32_t* code, int n)
{
    int exact = 0;
    int unmatchedGuess[7] = {};
    int unmatchedCode[7] = {};
    for (int k = 0; k < n; ++k) {
        if (guess[k] == code[k]) {
            ++exact;
        } else {
            ++unmatchedGuess[guess[k]];
            ++unmatchedCode[code[k]];
        }
    }
    int present = 0;
    for (int value = 1; value <= 6; ++value) present += std::min(unmatchedGuess[value], unmatchedCode[value]);
    std::array<int, board::kSlots> pegs{};
    for (int k = 0; k < n; ++k)
        pegs[k] = k < exact ? peg::kExact : k < exact + present ? peg::kPresent : peg::kNoMatch;
    return pegs;
}

std::string BrokenRule(const CGameEngine& e)
{
    THEN(VariantState(e));
    for (int b = 0; b < board::kCount; ++b) {
        THEN(BoardState(BoardOf(e, b), e.m_nCodeLength));
        THEN(SlotsState(e, BoardOf(e, b)));
    }
    THEN(PoolState(e));
    return ScoreState(e);
}

void ExpectReachableState(const CGameEngine& e)
{
    ExpectInvariants(e);
    if (::testing::Test::HasFatalFailure()) return;
    const std::string broken = BrokenRule(e);
    ASSERT_TRUE(broken.empty()) << broken;
}

std::array<int32_t, 200> SlotFlags(const CGameEngine& e)
{
    std::array<int32_t, 200> flags{};
    size_t i = 0;
    const auto take = [&](const ChipSlot* s) {
        flags[i++] = s->m_bDragSource;
        flags[i++] = s->m_bDropTarget;
    };
    for (const BoardSlots& slots : e.Slots().boards) {
        for (const ChipSlot* s : slots.guess) take(s);
        for (const ChipSlot* s : slots.tray) take(s);
        for (const ChipSlot* s : slots.code) take(s);
    }
    return flags;
}
