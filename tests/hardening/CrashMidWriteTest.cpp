// A copy of the game killed at random moments while it records games and stores the variant:
// after every kill both files are whole, and no game whose recording had returned is missing.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <set>

#include "RecorderProcess.h"
#include "StatsTestSupport.h"

namespace {

using namespace std::chrono;

constexpr int kKills = 200;
constexpr int kVariant = 2;
constexpr int kTotal = 37;

}  // namespace

class CrashMidWrite : public TempBase {
protected:
    // The statistics file must be 30 bytes holding `games` or one more game of kVariant, nothing
    // else touched; returns the games it holds.
    int ExpectWholeStatistics(int games)
    {
        const Bytes bytes = ReadBytes(Hsc());
        EXPECT_EQ(bytes.size(), stats::kStatisticsBytes);
        stats::StatsTable records = stats::FilledWith({-1, -1, -1});
        stats::DecodeStatistics(bytes, records);
        const stats::StatsRecord& r = records[kVariant];
        EXPECT_TRUE(r.gamesPlayed == games || r.gamesPlayed == games + 1)
            << r.gamesPlayed << " games on file, " << games << " recordings had returned";
        EXPECT_EQ(r.totalScore, r.gamesPlayed * kTotal) << "games and total disagree: a torn record";
        EXPECT_EQ(r.bestScore, kTotal);
        for (int v = 0; v < kVariant; ++v) EXPECT_EQ(records[v], stats::kRecordingDefaults);
        return r.gamesPlayed;
    }

    // The configuration file must be two bytes naming the last variant stored or the one in flight;
    // returns the variant it names.
    int ExpectWholeConfiguration(int lastStored, int inFlight)
    {
        const Bytes bytes = ReadBytes(Cfg());
        EXPECT_EQ(bytes.size(), stats::kConfigurationBytes);
        if (bytes.size() != stats::kConfigurationBytes) return -1;
        const int stored = stats::DecodeWord(bytes.data());
        EXPECT_TRUE(stored == lastStored || stored == inFlight)
            << "variant " << stored << " on file, last stored " << lastStored << ", next " << inFlight;
        return stored;
    }
};

TEST_F(CrashMidWrite, KilledAtRandomMomentsLosesNoRecordedGame)
{
    // Both files exist from the start, so every kill finds something to damage.
    stats::RecordFinishedGame(base, kVariant, kTotal);
    stats::SaveActiveVariant(base, 2);
    int games = 1;
    int lastVariant = 2;
    int afterReturn = 0;   // kills that found one game more on file than had been reported
    int leftBehind = 0;    // kills after which a temporary or lock file lay in the data folder
    std::mt19937 gen(20240611);
    for (int kill = 0; kill < kKills; ++kill) {
        RecorderProcess recorder(base, kVariant, kTotal);
        ASSERT_TRUE(recorder.Started());
        const auto start = steady_clock::now();
        // Most kills land inside the loop of writes, some while the copy is still starting.
        if (gen() % 10 != 0) recorder.ReadReports(start + seconds(30), 1);
        recorder.ReadReports(steady_clock::now() + microseconds(gen() % 20000));
        ASSERT_TRUE(recorder.Kill()) << "the recorder ended before it was killed";

        const int onFile = ExpectWholeStatistics(games + recorder.GamesRecorded());
        afterReturn += onFile > games + recorder.GamesRecorded();
        if (recorder.VariantsStored() > 0) lastVariant = recorder.LastVariantStored();
        // The recorder stores 0, 1, 2, 0, ... from its start.
        lastVariant = ExpectWholeConfiguration(lastVariant, recorder.VariantsStored() % 3);
        // A kill between a temporary file's creation and its rename leaves it behind, and a kill
        // while the lock is held leaves the lock file, until the next write clears them: never
        // more than one temporary file per file and the lock file.
        const size_t leftovers = Leftovers().size();
        EXPECT_LE(leftovers, 3u);
        leftBehind += leftovers > 0;
        if (HasFailure()) FAIL() << "after kill " << kill + 1;
        games = onFile;
    }
    // The next game start clears what the last kill left; the next writes leave nothing either.
    int32_t variant = 0;
    stats::LoadActiveVariant(base, variant);
    EXPECT_TRUE(Leftovers().empty());
    stats::RecordFinishedGame(base, kVariant, kTotal);
    stats::SaveActiveVariant(base, 0);
    EXPECT_TRUE(Leftovers().empty());
    EXPECT_EQ(ExpectWholeStatistics(games + 1), games + 1);
    std::printf("Crash mid-write: %d kills, %d games on file, none lost; %d kills after a rename but "
                "before its report, %d left a temporary or lock file, all cleared by later writes\n",
                kKills, games, afterReturn, leftBehind);
    RecordProperty("kills", kKills);
    RecordProperty("games", games);
}
