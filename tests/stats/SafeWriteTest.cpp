#include <fcntl.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstddef>
#include <functional>
#include <iterator>
#include <string>
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

// From here on every `call` of this process fails with EIO, as on a failing disk. False when the
// system refuses the filter.
bool FailEvery(long call)
{
    sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, static_cast<__u32>(call), 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EIO),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    const sock_fprog program{static_cast<unsigned short>(std::size(filter)), filter};
    return ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 && ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
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
        const FileLock lock(lockFile, kChoicePatience);
        EXPECT_TRUE(lock.IsHeld());
        EXPECT_TRUE(IsLockedElsewhere(lockFile));
        const FileLock other(lockFile, std::chrono::milliseconds(0));
        EXPECT_FALSE(other.IsHeld());
        EXPECT_TRUE(other.IsBusy());
    }
    EXPECT_FALSE(fs::exists(lockFile));
    const FileLock unusable(Data() / "missing folder" / kLockFileName, kChoicePatience);
    EXPECT_FALSE(unusable.IsHeld());
    EXPECT_FALSE(unusable.IsBusy()) << "no copy can take it: nobody else holds it";
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

// Where no copy can take the lock, every copy writes without it.
TEST_F(StatsSafeWrite, ACopyStalledBetweenItsReadAndItsRenameLosesNoGameRecordedMeanwhile)
{
    fs::create_directories(Data() / kLockFileName / "occupied");
    for (int i = 0; i < 7; ++i) RecordFinishedGame(base, 1, 10);
    int stalls = 0;
    const StalledWrite stalled([&] {
        if (stalls++ > 0) return;
        EXPECT_TRUE(RecordFinishedGame(base, 1, 20));
        EXPECT_TRUE(RecordFinishedGame(base, 1, 20));
    });
    EXPECT_TRUE(RecordFinishedGame(base, 1, 30));
    StatsTable records = FilledWith(kRecordingDefaults);
    ASSERT_EQ(ReadStatistics(Hsc(), records), ReadOutcome::Read);
    EXPECT_EQ(records[1], (StatsRecord{10, 7 * 10 + 2 * 20 + 30, 10}));
    EXPECT_EQ(stalls, 4);   // the stalled write found the file changed once, then wrote
    EXPECT_EQ(Leftovers(), std::vector<std::string>{kLockFileName});
}

// A copy that finishes a game while another holds the lock, its rename delayed, waits for it
// rather than writing beside it: both games are on file, and both copies say so.
TEST_F(StatsSafeWrite, ACopyWaitsForTheLockOfACopyWhoseRenameIsDelayed)
{
    RecordFinishedGame(base, 1, 10);
    int stalled[2];
    int resume[2];
    ASSERT_EQ(::pipe(stalled), 0);
    ASSERT_EQ(::pipe(resume), 0);
    const pid_t holder = ::fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        // Stands still, the lock held and its new file written, until told to go on.
        SetStallBeforeReplace([&] {
            char go = 0;
            ::close(resume[1]);
            if (::write(stalled[1], "s", 1) != 1 || ::read(resume[0], &go, 1) != 0) ::_exit(2);
        });
        ::_exit(RecordFinishedGame(base, 1, 20) ? 0 : 1);
    }
    char c = 0;
    ASSERT_EQ(::read(stalled[0], &c, 1), 1);
    int pauses = 0;
    int status = -1;
    // The holder goes on at this copy's first pause, and has ended by the end of it.
    const auto release = [&] {
        ::close(resume[1]);
        ::waitpid(holder, &status, 0);
    };
    const bool recorded = RecordFinishedGame(base, 1, 30, [&](std::chrono::milliseconds) {
        if (pauses++ > 0) return;
        EXPECT_TRUE(IsLockedElsewhere(Data() / kLockFileName));
        release();
    });
    if (pauses == 0) release();
    EXPECT_TRUE(recorded);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the holder's game was reported unrecorded";
    EXPECT_EQ(pauses, 1) << "the lock was not waited for while its holder had it";
    StatsTable records = FilledWith(kRecordingDefaults);
    ASSERT_EQ(ReadStatistics(Hsc(), records), ReadOutcome::Read);
    EXPECT_EQ(records[1], (StatsRecord{3, 60, 10}));
    EXPECT_TRUE(Leftovers().empty());
}

// Another copy's temporary file, while that copy may still write it, is never taken for a
// leftover: its process runs, or a lock is held on it. Once its writer is gone, it is cleared.
TEST_F(StatsSafeWrite, ASecondCopysLiveTemporaryFileIsLeftAlone)
{
    const pid_t running = ::fork();
    ASSERT_GE(running, 0);
    if (running == 0) {
        ::pause();
        ::_exit(0);
    }
    const fs::path ofRunning = Data() / ("vantel.hsc." + std::to_string(running) + ".tmp");
    const fs::path locked = Data() / ("vantel.hsc." + std::to_string(GoneProcess()) + ".tmp");
    WriteBytes(ofRunning, Bytes(30, 0x01));
    WriteBytes(locked, Bytes(30, 0x02));
    const int lock = ::open(locked.c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_EQ(::flock(lock, LOCK_EX), 0);

    EXPECT_TRUE(RecordFinishedGame(base, 1, 37));
    EXPECT_TRUE(fs::exists(ofRunning));
    EXPECT_TRUE(fs::exists(locked));
    ::kill(running, SIGKILL);
    ::waitpid(running, nullptr, 0);
    ::close(lock);
    EXPECT_TRUE(RecordFinishedGame(base, 1, 37));
    EXPECT_TRUE(Leftovers().empty());
}

// A flush or a cut that fails after the new bytes went in leaves the game on file (written in
// place, for a hard-linked file); a failed flush before a rename leaves it out. Either way the
// copy says what the file holds.
TEST_F(StatsSafeWrite, AGameIsReportedRecordedExactlyWhenTheFileHoldsItWhicheverCallFails)
{
    for (const long call : {SYS_fsync, SYS_ftruncate}) {
        for (const bool linked : {false, true}) {
            fs::remove_all(root / "backup");
            WriteBytes(Hsc(), kFirstGame37);
            if (linked) fs::create_hard_link(Hsc(), root / "backup");
            const int reported = InChild([&] { return FailEvery(call) ? RecordFinishedGame(base, 1, 20) : 2; });
            if (reported == 2) GTEST_SKIP() << "the system refuses a seccomp filter";
            StatsTable records = FilledWith(kRecordingDefaults);
            ASSERT_EQ(ReadStatistics(Hsc(), records), ReadOutcome::Read);
            const bool onFile = records[1].gamesPlayed == 2;
            EXPECT_EQ(onFile, linked || call != SYS_fsync) << "call " << call << (linked ? ", linked" : "");
            EXPECT_EQ(reported == 1, onFile) << "call " << call << (linked ? ", linked" : "");
        }
    }
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
