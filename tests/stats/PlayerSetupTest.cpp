// Data folders set up the ways players set them up: files kept elsewhere through links, FIFOs in a
// file's place, a lock another program holds. The game must respect each one and never hang on any.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <chrono>

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

// Held past the patience, the lock is still never written around: the game is reported as not
// recorded and the choice as not saved, after a wait long enough for any copy's write.
TEST_F(PlayerSetup, ALockAnotherProgramKeepsIsWaitedForAndNeverWrittenAround)
{
    fs::create_directories(Data());
    const int held = ::open((Data() / kLockFileName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    const int faults = InChild([&] {
        std::chrono::milliseconds waited{0};
        const bool recorded = RecordFinishedGame(base, 1, 37, [&](std::chrono::milliseconds pause) { waited += pause; });
        return (recorded ? 1 : 0) | (SaveActiveVariant(base, 2) ? 2 : 0) | (waited >= std::chrono::seconds(30) ? 0 : 4);
    });
    EXPECT_EQ(faults, 0) << "1: the game, 2: the choice reported as written; 4: waited under 30 s; -1: hung";
    EXPECT_FALSE(fs::exists(Hsc()));
    EXPECT_FALSE(fs::exists(Cfg()));
    EXPECT_TRUE(fs::exists(Data() / kLockFileName)) << "another program's lock file is not ours to remove";
    ::close(held);
}

// A configuration file that is the statistics file under a second name, by a hard or a symbolic
// link: a choice never cuts the statistics to one word, and is reported as not saved.
TEST_F(PlayerSetup, AConfigurationFileThatIsTheStatisticsFileIsNeverWrittenOverIt)
{
    for (const bool symbolic : {false, true}) {
        fs::remove_all(Data());
        WriteBytes(Hsc(), kFirstGame37);
        if (symbolic)
            fs::create_symlink(kStatisticsFileName, Cfg());
        else
            fs::create_hard_link(Hsc(), Cfg());
        EXPECT_FALSE(SaveActiveVariant(base, 2)) << (symbolic ? "symbolic" : "hard");
        EXPECT_EQ(ReadBytes(Hsc()), kFirstGame37) << (symbolic ? "symbolic" : "hard");
    }
}
