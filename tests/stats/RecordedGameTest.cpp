// Whole games played through the engine, with the game's files in a temporary base folder.

#include <vector>

#include "CGameEngine.h"
#include "StatsTestSupport.h"

namespace {

// What the main window does: each request is one call into the files.
class FileHost : public GameHost {
public:
    explicit FileHost(std::filesystem::path base) : m_base(std::move(base)) {}
    void LoadActiveVariant(int32_t& variant) override { stats::LoadActiveVariant(m_base, variant); }
    void RecordFinishedGame(int variant, int total) override
    {
        stats::RecordFinishedGame(m_base, variant, total);
    }

private:
    std::filesystem::path m_base;
};

// A game without a window whose player breaks each code after a chosen number of misses.
class FileBackedGame {
public:
    explicit FileBackedGame(const std::filesystem::path& base)
        : host(base), engine(host, random, slots.Table()) {}

    // Plays the whole game with these round scores (2 to 20 each: misses on the COLORS board).
    void Play(const std::vector<int>& scores)
    {
        engine.StartFirstGame();
        for (size_t i = 0; i < scores.size(); ++i) {
            if (i > 0) engine.OnNextRound();
            Guess(board::kShapes, engine.m_nCodeShapes, 0);
            for (int m = 0; m < scores[i] - 2; ++m) Guess(board::kColors, engine.m_nCodeColors, 1);
            Guess(board::kColors, engine.m_nCodeColors, 0);
        }
    }

    FileHost host;
    RandomSource random;
    OwnedSlots slots;
    CGameEngine engine;

private:
    // Drops the code's attributes, each shifted by `shift` (1: a guess that matches nowhere).
    void Guess(int b, const int32_t* code, int shift)
    {
        const int row = b == board::kShapes ? engine.m_nShapesRow : engine.m_nColorsRow;
        for (int k = 0; k < engine.m_nCodeLength; ++k) {
            engine.Slots().boards[b].guess[4 * row + k]->m_nValue = (code[k] + shift - 1) % 6 + 1 + 6 * b;
            b == board::kShapes ? engine.OnShapesDrop() : engine.OnColorsDrop();
        }
        b == board::kShapes ? engine.OnShapesGuess() : engine.OnColorsGuess();
    }
};

}  // namespace

using StatsRecordedGame = TempBase;

TEST_F(StatsRecordedGame, FinishedGameLeavesThirtyBytes)
{
    FileBackedGame game(base);
    game.Play({5, 5, 5, 5, 5, 4, 4, 4});
    ASSERT_EQ(game.engine.m_nPhase, phase::kGameOver);
    EXPECT_EQ(game.engine.m_nVariant, 1);
    EXPECT_EQ(ReadBytes(Hsc()), kFirstGame37);
    EXPECT_FALSE(std::filesystem::exists(Cfg()));
}

TEST_F(StatsRecordedGame, SavedVariantIsPlayedAndRecorded)
{
    stats::SaveActiveVariant(base, 0);
    FileBackedGame game(base);
    game.Play({2, 3, 4, 5, 6, 7, 8});
    ASSERT_EQ(game.engine.m_nPhase, phase::kGameOver);
    EXPECT_EQ(game.engine.m_nVariant, 0);

    stats::SaveActiveVariant(base, 2);
    game.engine.OnNewGame();
    EXPECT_EQ(game.engine.m_nVariant, 2);

    const stats::HighScoresSnapshot shown = stats::ReadHighScores(base);
    EXPECT_EQ(shown.records[0], (stats::StatsRecord{1, 35, 35}));
    EXPECT_EQ(shown.records[1], (stats::StatsRecord{0, 0, 999}));
    EXPECT_EQ(shown.activeVariant, 2);
}

TEST_F(StatsRecordedGame, UnfinishedGameIsNotRecorded)
{
    FileBackedGame game(base);
    game.Play({5, 5, 5, 5, 5, 4, 4});   // one round short
    EXPECT_EQ(game.engine.m_nPhase, phase::kRoundOver);
    EXPECT_FALSE(std::filesystem::exists(Hsc()));
}
