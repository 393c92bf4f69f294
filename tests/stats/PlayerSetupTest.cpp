// Data folders set up the ways players set them up: files kept elsewhere through links, FIFOs in a
// file's place, a lock another program holds. The game must respect each one and never hang on any.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include "StatsTestSupport.h"

using namespace stats;
namespace fs = std::filesystem;

using PlayerSetup = TempBase;

TEST_F(PlayerSetup, LinkedFilesAreWrittenThroughAndStayLinks)
{
    const fs::path synced = root / "synced";
    WriteBytes(synced / kStatisticsFileName, kFirstGame37);
    fs::create_directories(Data());
    fs::create_symlink(fs::path("..") / ".." / "synced" / kStatisticsFileName, Hsc());
    fs::create_symlink(synced / kConfigurationFileName, Cfg());   // its target is not there yet

    EXPECT_EQ(ReadHighScores(base).records[1], (StatsRecord{1, 37, 37}));
    RecordFinishedGame(base, 1, 20);
    EXPECT_TRUE(SaveActiveVariant(base, 2));

    EXPECT_TRUE(fs::is_symlink(Hsc()));
    EXPECT_TRUE(fs::is_symlink(Cfg()));
    EXPECT_EQ(ReadHighScores(base).records[1], (StatsRecord{2, 57, 20}));
    EXPECT_EQ(ReadBytes(synced / kConfigurationFileName), (Bytes{0x02, 0x00}));
    EXPECT_EQ(Names(synced), (std::vector<std::string>{kConfigurationFileName, kStatisticsFileName}));
    EXPECT_TRUE(Leftovers().empty());
}

TEST_F(PlayerSetup, ALinkInPlaceOfTheLockFileIsNeverFollowed)
{
    const fs::path outside = root / "outside";
    fs::create_directories(outside);
    fs::create_directories(Data());
    fs::create_symlink(outside / "lock", Data() / kLockFileName);
    RecordFinishedGame(base, 1, 37);
    EXPECT_TRUE(SaveActiveVariant(base, 2));
    EXPECT_EQ(ReadBytes(Hsc()), kFirstGame37);
    EXPECT_TRUE(fs::is_empty(outside)) << "the link's target was created";
    EXPECT_TRUE(fs::is_symlink(Data() / kLockFileName));
}

TEST_F(PlayerSetup, FifosInPlaceOfTheFilesNeitherBlockNorAreReplaced)
{
    fs::create_directories(Data());
    ASSERT_EQ(::mkfifo(Hsc().c_str(), 0644), 0);
    ASSERT_EQ(::mkfifo(Cfg().c_str(), 0644), 0);
    const int faults = InChild([&] {
        int32_t variant = 0;
        LoadActiveVariant(base, variant);
        const HighScoresSnapshot shown = ReadHighScores(base);
        RecordFinishedGame(base, 1, 37);
        const bool saved = SaveActiveVariant(base, 2);
        return (variant == 0 ? 0 : 1) | (shown.records[1] == StatsRecord{0, 0, 0} ? 0 : 2) |
               (shown.activeVariant == 1 ? 0 : 4) | (saved ? 8 : 0);
    });
    EXPECT_EQ(faults, 0) << "-1: a call blocked until the watchdog ended it";
    EXPECT_TRUE(fs::is_fifo(Hsc()));
    EXPECT_TRUE(fs::is_fifo(Cfg()));
    EXPECT_TRUE(Leftovers().empty());
}

TEST_F(PlayerSetup, ALockAnotherProgramHoldsDelaysWritesButNeverStopsThem)
{
    fs::create_directories(Data());
    const int held = ::open((Data() / kLockFileName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    const int saved = InChild([&] {
        RecordFinishedGame(base, 1, 37);
        return SaveActiveVariant(base, 2) ? 1 : 0;
    });
    EXPECT_EQ(saved, 1) << "-1: a write waited for the lock until the watchdog ended it";
    EXPECT_EQ(ReadBytes(Hsc()), kFirstGame37);
    EXPECT_EQ(ReadBytes(Cfg()), (Bytes{0x02, 0x00}));
    EXPECT_TRUE(fs::exists(Data() / kLockFileName)) << "another program's lock file is not ours to remove";
    ::close(held);
}
