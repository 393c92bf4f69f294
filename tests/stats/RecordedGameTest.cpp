// Whole games played through the engine, with the game's files in a temporary base folder.

#include <vector>

#include "HeadlessGame.h"
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

// A game without a window whose rounds score as asked (2 to 20: misses on the COLORS board).
class FileBackedGame {
public:
    explicit FileBackedGame(const std::filesystem::path& base)
        : host(base), game(host), engine(game.engine)
    {
    }

    void Play(const std::vector<int>& scores)
    {
        engine.StartFirstGame();
        for (size_t i = 0; i < scores.size(); ++i) {
            if (i > 0) engine.OnNextRound();
            game.PlayRound(0, scores[i] - 2);
        }
    }

    FileHost host;
    HeadlessGame game;
    CGameEngine& engine;
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
