#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>
#include <utility>

#include "AtomicFile.h"
#include "FileLock.h"
#include "StatsTestSupport.h"

using namespace stats;
namespace fs = std::filesystem;

namespace {

// Makes every write to a regular file past `bytes` fail, as a full disk would; root is bound too.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int);
};

bool IsLockedElsewhere(const fs::path& lockFile)
{
    const int fd = ::open(lockFile.c_str(), O_RDWR);
    const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return locked;
}

// Players finish games minutes apart; recorded back to back without a pause, one copy could take
// the lock again the instant it let go, through the other's whole second of patience.
void RecordGamesInChild(const fs::path& base, int games, int total)
{
    for (int i = 0; i < games; ++i) {
        RecordFinishedGame(base, 1, total);
        ::usleep(1000);
    }
    ::_exit(0);
}

// Stands a copy of the game still where its write is checked, for as long as the test needs.
class StalledWrite {
public:
    explicit StalledWrite(std::function<void()> meanwhile) { SetStallBeforeReplace(std::move(meanwhile)); }
    ~StalledWrite() { SetStallBeforeReplace({}); }
    StalledWrite(const StalledWrite&) = delete;
    StalledWrite& operator=(const StalledWrite&) = delete;
};

}  // namespace

using StatsSafeWrite = TempBase;

TEST_F(StatsSafeWrite, WriteFailingMidwayKeepsTheOldFile)
{
    RecordFinishedGame(base, 1, 37);
    {
        const FileSizeLimit limit(kStatisticsBytes / 2);
        EXPECT_FALSE(WriteFileAtomically(Hsc(), Bytes(kStatisticsBytes, 0x55)));
        RecordFinishedGame(base, 1, 20);
        EXPECT_TRUE(SaveActiveVariant(base, 2));   // two bytes fit: the limit must not block this one
    }
    {
        const FileSizeLimit full(1);
        EXPECT_FALSE(SaveActiveVariant(base, 0)) << "a variant the full disk refused is reported as stored";
    }
    EXPECT_EQ(ReadBytes(Hsc()), kFirstGame37);
    EXPECT_EQ(ReadBytes(Cfg()), (Bytes{0x02, 0x00}));
    EXPECT_TRUE(Leftovers().empty());
}

TEST_F(StatsSafeWrite, UnusableTemporaryPathKeepsTheOldFile)
{
    RecordFinishedGame(base, 1, 37);
    fs::create_directories(TemporaryPathFor(Hsc()) / "occupied");
    RecordFinishedGame(base, 1, 20);
    EXPECT_EQ(ReadBytes(Hsc()), kFirstGame37);
    EXPECT_TRUE(fs::exists(TemporaryPathFor(Hsc()) / "occupied"));   // not ours to remove
}

TEST_F(StatsSafeWrite, FailedRenameRemovesTheTemporaryFile)
{
    fs::create_directories(Cfg() / "occupied");
    SaveActiveVariant(base, 2);
    EXPECT_TRUE(fs::is_directory(Cfg() / "occupied"));
    EXPECT_FALSE(fs::exists(TemporaryPathFor(Cfg())));
}

TEST_F(StatsSafeWrite, GameIsRecordedWhenTheLockCannotBeHad)
{
    fs::create_directories(Data() / kLockFileName / "occupied");
    RecordFinishedGame(base, 1, 37);
    EXPECT_EQ(ReadBytes(Hsc()), kFirstGame37);
}

TEST_F(StatsSafeWrite, LockExcludesOthersUntilReleasedAndLeavesNoFile)
{
    fs::create_directories(Data());
    const fs::path lockFile = Data() / kLockFileName;
    {
        const FileLock lock(lockFile);
        EXPECT_TRUE(lock.IsHeld());
        EXPECT_TRUE(IsLockedElsewhere(lockFile));
        EXPECT_FALSE(FileLock(lockFile, std::chrono::milliseconds(0)).IsHeld());
    }
    EXPECT_FALSE(fs::exists(lockFile));
    EXPECT_FALSE(FileLock(Data() / "missing folder" / kLockFileName).IsHeld());
}

TEST_F(StatsSafeWrite, AReplacedFileKeepsItsMode)
{
    WriteBytes(Hsc(), kFirstGame37);
    fs::permissions(Hsc(), fs::perms::owner_read | fs::perms::owner_write);
    RecordFinishedGame(base, 1, 20);
    EXPECT_NE(ReadBytes(Hsc()), kFirstGame37);
    EXPECT_EQ(fs::status(Hsc()).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(StatsSafeWrite, TwoRunningCopiesLoseNoGames)
{
    const int games = 500;
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        children[c] = ::fork();
        ASSERT_GE(children[c], 0);
        if (children[c] == 0) RecordGamesInChild(base, games, 10 + 10 * c);
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    StatsTable records = FilledWith(kRecordingDefaults);
    ASSERT_EQ(ReadStatistics(Hsc(), records), ReadOutcome::Read);
    EXPECT_EQ(records[1], (StatsRecord{2 * games, games * 10 + games * 20, 10}));
    EXPECT_TRUE(Leftovers().empty());
}

TEST_F(StatsSafeWrite, ACopyStalledBetweenItsReadAndItsRenameLosesNoGameRecordedMeanwhile)
{
    for (int i = 0; i < 7; ++i) RecordFinishedGame(base, 1, 10);
    int stalls = 0;
    const StalledWrite stalled([&] {
        if (stalls++ > 0) return;
        // The other copy waits out its patience for the stalled one's lock, then writes without it.
        EXPECT_TRUE(RecordFinishedGame(base, 1, 20));
        EXPECT_TRUE(RecordFinishedGame(base, 1, 20));
    });
    EXPECT_TRUE(RecordFinishedGame(base, 1, 30));
    StatsTable records = FilledWith(kRecordingDefaults);
    ASSERT_EQ(ReadStatistics(Hsc(), records), ReadOutcome::Read);
    EXPECT_EQ(records[1], (StatsRecord{10, 7 * 10 + 2 * 20 + 30, 10}));
    EXPECT_EQ(stalls, 4);   // the stalled write found the file changed once, then wrote
    EXPECT_TRUE(Leftovers().empty());
}

TEST_F(StatsSafeWrite, AFileThatKeepsChangingIsLeftToItsWriterAndTheGameReportedUnrecorded)
{
    // Another writer replaces the file with one more game each time this copy is about to write.
    StatsTable theirs = FilledWith(kRecordingDefaults);
    int stalls = 0;
    const StalledWrite stalled([&] {
        ++stalls;
        AddFinishedGame(theirs[0], 50);
        fs::remove(Hsc());
        WriteBytes(Hsc(), EncodeStatistics(theirs));
    });
    EXPECT_FALSE(RecordFinishedGame(base, 1, 20));
    EXPECT_EQ(stalls, 8);
    EXPECT_EQ(theirs[0], (StatsRecord{8, 400, 50}));
    EXPECT_EQ(ReadBytes(Hsc()), EncodeStatistics(theirs));
    EXPECT_TRUE(Leftovers().empty());
}

TEST_F(StatsSafeWrite, AHardLinkedDataFileKeepsEveryNameOnTheNewContent)
{
    WriteBytes(Hsc(), kFirstGame37);
    WriteBytes(Cfg(), {0x00, 0x00});
    const fs::path backup = root / "hsc backup";
    const fs::path cfgBackup = root / "cfg backup";
    fs::create_hard_link(Hsc(), backup);
    fs::create_hard_link(Cfg(), cfgBackup);
    EXPECT_TRUE(RecordFinishedGame(base, 1, 20));
    EXPECT_TRUE(SaveActiveVariant(base, 2));

    StatsTable records = FilledWith(kRecordingDefaults);
    ASSERT_EQ(ReadStatistics(Hsc(), records), ReadOutcome::Read);
    EXPECT_EQ(records[1], (StatsRecord{2, 57, 20}));
    EXPECT_EQ(ReadBytes(backup), ReadBytes(Hsc()));
    EXPECT_EQ(fs::hard_link_count(Hsc()), 2u);
    EXPECT_EQ(ReadBytes(cfgBackup), (Bytes{0x02, 0x00}));
    EXPECT_EQ(fs::hard_link_count(Cfg()), 2u);
    EXPECT_TRUE(Leftovers().empty());
}
