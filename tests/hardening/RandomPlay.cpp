#include "RandomPlay.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "CChipDropTarget.h"
#include "ChipText.h"
#include "StateChecks.h"

namespace {

// Values that name no chip, from the edges of the slot values to the edges of an int.
const int kOddValues[] = {0, -1, -7, 13, 14, 15, 16, 17, 99, 1000, 32767, -32768, INT_MAX, INT_MIN};
const int kOddVariants[] = {-1, 3, 4, 255, 32767, -32768, INT_MAX, INT_MIN};
// What other programs may drop besides plain numbers.
const char* const kOddTexts[] = {"", " ", "7a", "-3", "+5", "0x7", "1 2", "12.0", "013", " 4\n", "\t11",
                                 "\xD9\xA3", "99999999999999999999", "seven"};

template <typename T, size_t N>
const T& Pick(std::mt19937& gen, const T (&items)[N])
{
    return items[gen() % N];
}

bool SameState(const GameState& a, const GameState& b)
{
    // Plain 32-bit integers only, no padding: the bytes are the state.
    return std::memcmp(&a, &b, sizeof(GameState)) == 0;
}

int& RowOf(CGameEngine& e, int b) { return b == board::kShapes ? e.m_nShapesRow : e.m_nColorsRow; }
bool Open(const GameState& s, int b)
{
    const int closed = b == board::kShapes ? s.m_bShapesClosed : s.m_bColorsClosed;
    return s.m_nPhase == phase::kPlaying && closed == 0;
}

}  // namespace

RandomPlay::Snapshot RandomPlay::Snap() const
{
    return {m_engine, SlotFlags(m_engine)};
}

RandomPlay::RandomPlay(HeadlessGame& game, RecordingHost& host, uint32_t seed, std::function<void(int)> store)
    : m_game(game), m_engine(game.engine), m_host(host), m_gen(seed), m_seed(seed), m_store(std::move(store))
{
}

void RandomPlay::Play(int steps)
{
    m_storedVariant = static_cast<int>(m_seed % variant::kCount);
    m_store(m_storedVariant);
    const Snapshot none{};
    m_engine.StartFirstGame();
    Check(none, "start", true, true);
    while (m_steps < steps && !::testing::Test::HasFatalFailure()) {
        ++m_steps;
        Step();
    }
}

// ---------------------------------------------------------------------------------------------
// Actions

void RandomPlay::Step()
{
    const Snapshot before = Snap();
    const unsigned roll = m_gen() % 1000;
    // Between rounds and after a game the button on screen is pressed soon enough.
    if (before.state.m_nPhase == phase::kRoundOver && roll < 400) {
        m_engine.OnNextRound();
        return Check(before, "NEXT ROUND", false, true);
    }
    if (before.state.m_nPhase == phase::kGameOver && roll < 400) {
        m_engine.OnNewGame();
        return Check(before, "NEW GAME", true, true);
    }
    if (roll < 550) return DropIntoRow();
    if (roll < 620) return DropAnywhere();
    if (roll < 660) return Garbage();
    if (roll < 900) return PressGuess();
    if (roll < 945) {
        m_engine.OnNextRound();
        return Check(before, "NEXT ROUND", false, before.state.m_nPhase == phase::kRoundOver);
    }
    if (roll < 990) {
        m_engine.OnNewGame();
        return Check(before, "NEW GAME", true, before.state.m_nPhase == phase::kGameOver);
    }
    // Rarely, or hardly a game would get past its first round.
    ChangeVariant(roll < 995);
}

// Mostly the chips a player would pick for the board's current row, slot after slot, often the
// code's own.
void RandomPlay::DropIntoRow()
{
    const int b = AnyBoard();
    const int row = RowOf(m_engine, b) < board::kRows ? RowOf(m_engine, b) : static_cast<int>(m_gen() % 10);
    int k = static_cast<int>(m_gen() % board::kSlots);
    for (int slot = m_engine.m_nCodeLength - 1; slot >= 0 && m_gen() % 4 != 0; --slot) {
        const int v = m_game.Slot(b, row, slot).m_nValue;
        if (!CChipDropTarget::ChipFits(v, b)) k = slot;
    }
    const int32_t* code = b == board::kShapes ? m_engine.m_nCodeShapes : m_engine.m_nCodeColors;
    const unsigned roll = m_gen() % 20;
    const int anyChip = static_cast<int>(1 + m_gen() % 12);
    const int value = roll < m_skill ? code[k] + 6 * b : roll < 19 ? anyChip : AnyValue();
    DropThroughTarget(m_game.Slot(b, row, k), value);
}

void RandomPlay::DropAnywhere()
{
    DropThroughTarget(AnySlot(), AnyValue());
}

// What the drop target does with a dropped text: slots that take no drops and chips of the other
// board are refused; a chip that lands is written into the slot and its board is told.
void RandomPlay::DropThroughTarget(ChipSlot& slot, int value)
{
    const Snapshot before = Snap();
    const int chip = chiptext::Parse(TextFor(value));
    if (slot.m_bDropTarget == 0 || !CChipDropTarget::ChipFits(chip, slot.m_nBoard)) {
        return Check(before, "refused drop", false, false);
    }
    slot.m_nValue = chip;
    const int b = chipvalue::IsShape(chip) ? board::kShapes : board::kColors;
    ASSERT_EQ(b, slot.m_nBoard) << "seed " << m_seed << ": a chip landed on the other board";
    b == board::kShapes ? m_engine.OnShapesDrop() : m_engine.OnColorsDrop();
    Check(before, "drop", false, Open(before.state, b));
}

// Any value in any slot, and either board's drop handler called whether or not anything landed.
void RandomPlay::Garbage()
{
    for (unsigned n = m_gen() % 4; n > 0; --n) AnySlot().m_nValue = AnyValue();
    const Snapshot before = Snap();
    const int b = static_cast<int>(m_gen() % board::kCount);
    b == board::kShapes ? m_engine.OnShapesDrop() : m_engine.OnColorsDrop();
    Check(before, "garbage drop", false, Open(before.state, b));
}

void RandomPlay::PressGuess()
{
    const Snapshot before = Snap();
    int b = AnyBoard();
    // A row that is full draws the eye to its GUESS button.
    const auto full = [this](int board) {
        return (board == board::kShapes ? m_engine.m_bShapesRowFull : m_engine.m_bColorsRowFull) == 1;
    };
    if (!full(b) && full(1 - b) && m_gen() % 5 != 0) b = 1 - b;
    const int rowFull = b == board::kShapes ? before.state.m_bShapesRowFull : before.state.m_bColorsRowFull;
    b == board::kShapes ? m_engine.OnShapesGuess() : m_engine.OnColorsGuess();
    Check(before, "GUESS", false, Open(before.state, b) && rowFull == 1);
}

// The High Scores window stores a variant, any value a damaged file could hold, and tells the game
// (`notify`) or leaves it for the next NEW GAME.
void RandomPlay::ChangeVariant(bool notify)
{
    const Snapshot before = Snap();
    m_storedVariant = m_gen() % 4 == 0 ? Pick(m_gen, kOddVariants) : static_cast<int>(m_gen() % 3);
    m_store(m_storedVariant);
    if (notify) m_engine.OnVariantChanged();
    const bool restarts = notify && before.state.m_nRoundsCompleted == 0;
    Check(before, notify ? "variant changed" : "variant stored", restarts, restarts);
}

std::string RandomPlay::TextFor(int value)
{
    return m_gen() % 8 == 0 ? std::string(Pick(m_gen, kOddTexts)) : chiptext::Format(value);
}

// Mostly a board still open, as a player's attention goes.
int RandomPlay::AnyBoard()
{
    const int b = static_cast<int>(m_gen() % board::kCount);
    const bool closed = (b == board::kShapes ? m_engine.m_bShapesClosed : m_engine.m_bColorsClosed) != 0;
    return closed && m_gen() % 5 != 0 ? 1 - b : b;
}

int RandomPlay::AnyValue()
{
    return m_gen() % 3 == 0 ? Pick(m_gen, kOddValues) : static_cast<int>(1 + m_gen() % 12);
}

ChipSlot& RandomPlay::AnySlot()
{
    const int b = static_cast<int>(m_gen() % board::kCount);
    const unsigned i = m_gen() % 50;
    if (i < board::kGuessSlots) return m_game.slots.guess[b][i];
    if (i < board::kGuessSlots + board::kTraySlots) return m_game.slots.tray[b][i - board::kGuessSlots];
    return m_game.slots.code[b][i % board::kSlots];
}

// ---------------------------------------------------------------------------------------------
// Checks

// `mayStartGame`: the action may set up a new game. `mayChange`: the action was offered in this
// state; anything not offered must leave the game exactly as it was.
void RandomPlay::Check(const Snapshot& before, const char* action, bool mayStartGame, bool mayChange)
{
    ExpectReachableState(m_engine);
    if (!::testing::Test::HasFatalFailure() && !mayChange) {
        ASSERT_TRUE(SameState(before.state, m_engine)) << action << " changed a game it was not offered to";
        ASSERT_EQ(before.flags, SlotFlags(m_engine)) << action << " changed the slots";
    }
    if (!::testing::Test::HasFatalFailure()) CheckTransition(before.state, mayStartGame && mayChange);
    if (::testing::Test::HasFatalFailure())
        ADD_FAILURE() << "seed " << m_seed << ", step " << m_steps << ": after " << action;
}

void RandomPlay::CheckTransition(const GameState& before, bool mayStartGame)
{
    const bool newGame = mayStartGame && m_engine.m_nPhase == phase::kPlaying &&
                         m_engine.m_nRoundIndex == 0 && m_engine.m_nRoundScores[0] == 0;
    if (newGame) {
        // A stored variant that names one is played; anything else never reaches the draw.
        if (variant::IsValid(m_storedVariant)) {
            ASSERT_EQ(m_engine.m_nVariant, m_storedVariant);
        }
    } else if (mayStartGame) {
        FAIL() << "a game start left round " << m_engine.m_nRoundIndex << " in phase " << m_engine.m_nPhase;
    } else {
        // Within a game the chip order and the variant stand.
        ASSERT_EQ(std::memcmp(before.m_nChipOrder, m_engine.m_nChipOrder, sizeof before.m_nChipOrder), 0);
        ASSERT_EQ(before.m_nVariant, m_engine.m_nVariant);
    }
    CheckCodes(newGame);
    if (!::testing::Test::HasFatalFailure()) CheckRecords(before);
}

// Every round's code is new chips: none out of play, none from an earlier round of the game.
void RandomPlay::CheckCodes(bool newGame)
{
    if (newGame) {
        m_codeChips = 0;
        m_trackedRound = -1;
    }
    if (m_engine.m_nRoundIndex == m_trackedRound) return;
    ASSERT_EQ(m_engine.m_nRoundIndex, m_trackedRound + 1) << "a round was skipped or repeated";
    m_trackedRound = m_engine.m_nRoundIndex;
    // Some rounds are played well, some badly enough to fail a board.
    m_skill = static_cast<unsigned>(m_gen() % 10 == 0 ? 6 : 17);
    for (int i = 0; i < m_engine.m_nCodeLength; ++i) {
        const int chip = m_engine.m_nChipOrder[m_engine.CodeStart(m_trackedRound) + i];
        ASSERT_EQ(m_codeChips & (uint64_t{1} << chip), 0u) << "chip " << chip << " used twice";
        for (int p = 0; p < m_engine.m_nOutOfPlay; ++p) ASSERT_NE(m_engine.m_nChipOrder[p], chip);
        m_codeChips |= uint64_t{1} << chip;
    }
}

// A game is recorded once, when its last round ends, under its variant with its total.
void RandomPlay::CheckRecords(const GameState& before)
{
    if (before.m_nPhase != phase::kGameOver && m_engine.m_nPhase == phase::kGameOver) {
        ++m_finished;
        ++m_finishedIn[m_engine.m_nVariant];
        ASSERT_EQ(m_host.finished.size(), static_cast<size_t>(m_finished));
        EXPECT_EQ(m_host.finished.back().variant, m_engine.m_nVariant);
        EXPECT_EQ(m_host.finished.back().total, m_engine.GameTotal());
        EXPECT_GE(m_host.finished.back().total, 2 * m_engine.m_nRoundsPerGame);
    }
    ASSERT_EQ(m_host.finished.size(), static_cast<size_t>(m_finished)) << "a game recorded out of turn";
}
