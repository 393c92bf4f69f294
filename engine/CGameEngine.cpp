#include "CGameEngine.h"

#include <algorithm>

#include "Evaluation.h"

CGameEngine::CGameEngine(GameHost& host, RandomSource& random, const SlotTable& slots)
    : GameState(), m_host(host), m_random(random), m_slots(slots)
{
    m_nVariant = variant::kDefault;
}

CGameEngine::BoardInPlay CGameEngine::Shapes()
{
    return {board::kShapes, m_nShapesGuess, m_nShapesPegs, m_nCodeShapes, m_nShapesRow,
            m_bShapesClosed, m_bShapesRowFull, m_bShapesRevealed, m_bShapesDone, m_bColorsDone,
            &CGameEngine::NarrowPoolByShapes, m_slots.boards[board::kShapes]};
}

CGameEngine::BoardInPlay CGameEngine::Colors()
{
    return {board::kColors, m_nColorsGuess, m_nColorsPegs, m_nCodeColors, m_nColorsRow,
            m_bColorsClosed, m_bColorsRowFull, m_bColorsRevealed, m_bColorsDone, m_bShapesDone,
            &CGameEngine::NarrowPoolByColors, m_slots.boards[board::kColors]};
}

// ---------------------------------------------------------------------------------------------
// Game flow

void CGameEngine::StartFirstGame()
{
    m_nVariant = variant::kDefault;
    m_nRoundsCompleted = 0;
    m_bColorsDone = m_bShapesDone = 0;
    // The only seeding of a program run: later games continue the same sequence.
    m_random.Seed(m_host.Seed());
    for (int b = 0; b < board::kCount; ++b) {
        BoardSlots& slots = m_slots.boards[b];
        for (ChipSlot* s : slots.code) { s->m_nBoard = b; s->m_nSlotKind = slotkind::kCode; }
        for (ChipSlot* s : slots.tray) { s->m_nBoard = b; s->m_nSlotKind = slotkind::kTray; }
        for (ChipSlot* s : slots.guess) { s->m_nBoard = b; s->m_nSlotKind = slotkind::kGuess; }
    }
    m_host.LoadActiveVariant(m_nVariant);
    SetUpNewGame();
    m_host.RefreshBoard();
}

void CGameEngine::OnNewGame()
{
    // Only the game-over state offers NEW GAME; a running game is never abandoned by it.
    if (m_nPhase != phase::kGameOver) return;
    m_nPhase = phase::kPlaying;
    m_host.LoadActiveVariant(m_nVariant);
    SetUpNewGame();
    m_host.RefreshBoard();
}

void CGameEngine::OnNextRound()
{
    // Only between rounds: after the last round the chip order holds no further code.
    if (m_nPhase != phase::kRoundOver || m_nRoundsCompleted >= m_nRoundsPerGame) return;
    ++m_nRoundIndex;
    m_nPhase = phase::kPlaying;
    m_bShapesRevealed = m_bColorsRevealed = 0;
    m_nShapesRow = m_nColorsRow = 0;
    m_bShapesClosed = m_bColorsClosed = 0;
    ResetDragSources();
    m_bShapesRowFull = m_bColorsRowFull = 0;
    ClearDropTargets();
    for (BoardSlots& slots : m_slots.boards) SetDropTargetsOnRow(slots, 0);
    TakeCode(m_nRoundsCompleted);
    ResetRows();
    m_bColorsDone = m_bShapesDone = 0;
    m_bRoundOver = 0;
    m_host.RefreshBoard();
}

void CGameEngine::OnVariantChanged()
{
    // Once a round has ended the game stands; the new variant waits for the next NEW GAME.
    if (m_nRoundsCompleted != 0) return;
    m_host.LoadActiveVariant(m_nVariant);
    SetUpNewGame();
    m_host.RefreshBoard();
}

// ---------------------------------------------------------------------------------------------
// Round setup

void CGameEngine::SetUpNewGame()
{
    // Only a damaged configuration file can hold another value; it never reaches the draw.
    if (!variant::IsValid(m_nVariant)) m_nVariant = variant::kDefault;
    const variant::Rules& rules = variant::RulesFor(m_nVariant);
    m_nRoundsPerGame = rules.roundsPerGame;
    m_nOutOfPlay = rules.outOfPlay;
    m_nCodeLength = rules.codeLength;

    bool taken[chips::kCount] = {};
    std::fill(std::begin(m_nChipOrder), std::end(m_nChipOrder), -1);
    for (int p = 0; p < rules.excludedCount; ++p) {
        m_nChipOrder[p] = rules.excluded[p];
        taken[rules.excluded[p]] = true;
    }
    for (int p = rules.excludedCount; p < chips::kCount; ++p) {
        int k;
        do {
            const int r = std::clamp(m_random.Next(), 0, RandomSource::kMax);
            k = std::clamp(r * chips::kCount / (RandomSource::kMax + 1), 0, chips::kCount - 1);
        } while (taken[k]);
        m_nChipOrder[p] = k;
        taken[k] = true;
    }

    m_bColorsDone = m_bShapesDone = 0;
    m_nRoundsCompleted = 0;
    ResetRows();
    TakeCode(0);
    m_bShapesRevealed = m_bColorsRevealed = 0;
    m_nShapesRow = m_nColorsRow = 0;
    m_bShapesClosed = m_bColorsClosed = 0;
    m_bShapesRowFull = m_bColorsRowFull = 0;
    m_nRoundIndex = 0;
    RebuildPool(m_nOutOfPlay);
    std::fill(std::begin(m_nRoundScores), std::end(m_nRoundScores), 0);
    m_bRoundOver = 0;
    m_nPhase = phase::kPlaying;
    ResetDragSources();

    ClearDropTargets();
    for (BoardSlots& slots : m_slots.boards) {
        for (ChipSlot* s : slots.code) s->m_bDropTarget = 0;
        for (ChipSlot* s : slots.tray) s->m_bDropTarget = 0;
        SetDropTargetsOnRow(slots, 0);
    }
}

void CGameEngine::ResetDragSources()
{
    for (BoardSlots& slots : m_slots.boards) {
        for (ChipSlot* s : slots.code) s->m_bDragSource = 0;   // the code is never dragged
        for (ChipSlot* s : slots.tray) s->m_bDragSource = 1;
        for (int i = 0; i < board::kGuessSlots; ++i)
            slots.guess[i]->m_bDragSource = (i % board::kSlots) < m_nCodeLength ? 1 : 0;
    }
}

void CGameEngine::ResetRows()
{
    for (int r = 0; r < board::kRows; ++r) {
        for (int s = 0; s < board::kSlots; ++s) {
            const bool inPlay = s < m_nCodeLength;
            m_nShapesPegs[r][s] = m_nColorsPegs[r][s] = inPlay ? peg::kNoMatch : peg::kNone;
            m_nShapesGuess[r][s] = m_nColorsGuess[r][s] =
                inPlay ? chipvalue::kEmpty : chipvalue::kSlotOutOfPlay;
        }
    }
}

void CGameEngine::TakeCode(int round)
{
    // With a 3-chip code the fourth entry keeps what it held; nothing reads it.
    for (int i = 0; i < m_nCodeLength; ++i) {
        const int k = m_nChipOrder[CodeStart(round) + i];
        m_nCodeShapes[i] = chips::ShapeOf(k);
        m_nCodeColors[i] = chips::ColorOf(k);
    }
}

void CGameEngine::ClearDropTargets()
{
    for (BoardSlots& slots : m_slots.boards)
        for (ChipSlot* s : slots.guess) s->m_bDropTarget = 0;
}

void CGameEngine::SetDropTargetsOnRow(BoardSlots& slots, int row)
{
    for (int k = 0; k < m_nCodeLength; ++k) slots.guess[board::kSlots * row + k]->m_bDropTarget = 1;
}

void CGameEngine::RebuildPool(int usedChips)
{
    std::fill(std::begin(m_bChipAvailable), std::end(m_bChipAvailable), 1);
    for (int p = 0; p < usedChips && p < chips::kCount; ++p) m_bChipAvailable[m_nChipOrder[p]] = 0;
}

// ---------------------------------------------------------------------------------------------
// Guess entry and evaluation

bool CGameEngine::IsBoardOpen(const BoardInPlay& b) const
{
    return m_nPhase == phase::kPlaying && b.closed == 0 && b.row >= 0 && b.row < board::kRows;
}

void CGameEngine::Drop(const BoardInPlay& b)
{
    // Only an open board's current row takes drops, so a stray notification changes nothing.
    if (!IsBoardOpen(b)) return;
    const int first = board::FirstChip(b.board);
    bool full = true;
    for (int k = 0; k < m_nCodeLength; ++k) {
        const int v = b.slots.guess[board::kSlots * b.row + k]->m_nValue;
        if (v >= first && v < first + chips::kShapes)
            b.guess[b.row][k] = v - first + 1;
        else
            full = false;
    }
    if (!full) return;
    b.rowFull = 1;
    m_host.UpdateGuessButtons();
}

void CGameEngine::Guess(const BoardInPlay& b)
{
    // GUESS is offered only for the full current row of an open board.
    if (!IsBoardOpen(b) || b.rowFull != 1) return;
    const int n = m_nCodeLength;
    const int r = b.row;
    const Feedback f = Evaluate(b.guess[r], b.code, n);
    for (int k = 0; k < n; ++k) {
        b.pegs[r][k] = k < f.exact ? peg::kExact
                     : k < f.exact + f.present ? peg::kPresent
                     : peg::kNoMatch;
    }
    ++m_nRoundScores[m_nRoundIndex];
    for (ChipSlot* s : b.slots.guess) s->m_bDropTarget = 0;

    if (f.exact == n) {
        CloseBoard(b, true);
    } else {
        b.row = r + 1;
        b.rowFull = 0;
        if (b.row == board::kRows)
            CloseBoard(b, false);
        else
            SetDropTargetsOnRow(b.slots, b.row);
    }
    m_host.RefreshBoard();
}

void CGameEngine::CloseBoard(const BoardInPlay& b, bool solved)
{
    b.revealed = 1;
    b.closed = 1;
    for (ChipSlot* s : b.slots.tray) s->m_bDragSource = 0;
    for (ChipSlot* s : b.slots.guess) s->m_bDragSource = 0;
    b.rowFull = 0;
    if (!solved) m_nRoundScores[m_nRoundIndex] += 2;   // a failed board costs 10 + 2
    b.done = 1;
    if (b.partnerDone == 1)
        EndRound();
    else
        (this->*b.narrow)();
}

void CGameEngine::NarrowPoolByShapes()
{
    bool present[chips::kShapes] = {};
    for (int i = 0; i < m_nCodeLength; ++i)
        present[m_nChipOrder[CodeStart(m_nRoundsCompleted) + i] % chips::kShapes] = true;
    for (int s = 0; s < chips::kShapes; ++s) {
        if (present[s]) continue;
        for (int c = 0; c < chips::kColors; ++c) m_bChipAvailable[s + chips::kShapes * c] = 0;
    }
}

void CGameEngine::NarrowPoolByColors()
{
    bool present[chips::kColors] = {};
    for (int i = 0; i < m_nCodeLength; ++i)
        present[m_nChipOrder[CodeStart(m_nRoundsCompleted) + i] / chips::kShapes] = true;
    for (int c = 0; c < chips::kColors; ++c) {
        if (present[c]) continue;
        for (int s = 0; s < chips::kShapes; ++s) m_bChipAvailable[chips::kShapes * c + s] = 0;
    }
}

// ---------------------------------------------------------------------------------------------
// Round end and scoring

void CGameEngine::EndRound()
{
    ++m_nRoundsCompleted;
    m_bRoundOver = 1;
    // Out-of-play chips and every code so far, this round's included; the narrowing is undone.
    RebuildPool(CodeStart(m_nRoundsCompleted));
    if (m_nRoundsCompleted == m_nRoundsPerGame) {
        m_nPhase = phase::kGameOver;
        m_host.RecordFinishedGame(m_nVariant, GameTotal());
    } else {
        m_nPhase = phase::kRoundOver;
    }
}

int CGameEngine::GameTotal() const
{
    int total = 0;
    for (int s : m_nRoundScores) total += s;
    return total;
}
