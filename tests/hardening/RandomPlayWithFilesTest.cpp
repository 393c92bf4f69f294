// A seeded game under random actions with the real statistics and configuration files behind it:
// every finished game is recorded exactly once.
#include <gtest/gtest.h>

#include <cstdio>

#include "RandomPlay.h"
#include "StatsTestSupport.h"

namespace {

// The real files behind the game, and a note of every game handed to them.
class CountingFileHost : public RecordingHost {
public:
    explicit CountingFileHost(std::filesystem::path base) : m_base(std::move(base)) {}
    void LoadActiveVariant(int32_t& variant) override
    {
        ++variantLoads;
        stats::LoadActiveVariant(m_base, variant);
    }
    void RecordFinishedGame(int variant, int total) override
    {
        RecordingHost::RecordFinishedGame(variant, total);
        stats::RecordFinishedGame(m_base, variant, total);
    }

private:
    std::filesystem::path m_base;
};

// What a damaged or foreign configuration file may hold: the value's word, or a word cut short.
Bytes ConfigurationBytes(int value)
{
    if (value == 255) return {0xFF};
    return {static_cast<uint8_t>(value & 0xFF), static_cast<uint8_t>((value >> 8) & 0xFF)};
}

}  // namespace

using RandomPlayWithFiles = TempBase;

// The variant comes from the configuration file, garbage included, and every finished game is in
// the statistics file once, under its variant, with its total.
TEST_F(RandomPlayWithFiles, EveryFinishedGameIsInTheStatisticsFile)
{
    CountingFileHost host(base);
    HeadlessGame g(host);
    RandomPlay play(g, host, 7, [this](int v) { WriteBytes(Cfg(), ConfigurationBytes(v)); });
    play.Play(30000);
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_GT(play.FinishedGames(), 20);
    std::printf("Random play with the real files: %d games finished\n", play.FinishedGames());

    stats::StatsTable want = stats::FilledWith(stats::kRecordingDefaults);
    for (const FinishedGame& f : host.finished) stats::AddFinishedGame(want[f.variant], f.total);
    stats::StatsTable got = stats::FilledWith(stats::kRecordingDefaults);
    ASSERT_EQ(stats::ReadStatistics(Hsc(), got), stats::ReadOutcome::Read);
    for (int v = 0; v < 3; ++v) {
        EXPECT_EQ(got[v], want[v]) << "variant " << v;
        EXPECT_EQ(got[v].gamesPlayed, play.FinishedIn(v));
    }
}
