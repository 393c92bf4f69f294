// Temporary files and lock files that copies killed mid-write leave in the data folder are cleared
// by the next write of the same file or the next game start, and nothing else is touched.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>

#include <algorithm>

#include "AtomicFile.h"
#include "StatsTestSupport.h"

namespace fs = std::filesystem;

using LeftoverFiles = TempBase;

namespace {

// The temporary file of `file` that a killed copy left.
fs::path KilledCopys(const fs::path& file)
{
    fs::path temporary = file;
    temporary += "." + std::to_string(GoneProcess()) + ".tmp";
    return temporary;
}

}  // namespace

TEST_F(LeftoverFiles, NextWriteOfEachFileClearsItsKilledCopiesTemporaries)
{
    const fs::path hsc1 = KilledCopys(Hsc()), hsc2 = KilledCopys(Hsc()), cfg = KilledCopys(Cfg());
    WriteBytes(hsc1, Bytes(17, 0x55));
    WriteBytes(hsc2, Bytes(30, 0x01));
    WriteBytes(cfg, Bytes(1, 0x02));

    stats::RecordFinishedGame(base, 1, 37);
    EXPECT_EQ(ReadBytes(Hsc()), kFirstGame37);
    EXPECT_FALSE(fs::exists(hsc1));
    EXPECT_FALSE(fs::exists(hsc2));
    EXPECT_TRUE(fs::exists(cfg)) << "only the file being written is cleared";

    stats::SaveActiveVariant(base, 2);
    EXPECT_EQ(ReadBytes(Cfg()), (Bytes{0x02, 0x00}));
    EXPECT_TRUE(Leftovers().empty());
}

TEST_F(LeftoverFiles, NamesNotOursAreLeftAlone)
{
    const char* const kept[] = {"vantel.hsc.tmp", "vantel.hsc..tmp", "vantel.hsc.12a.tmp",
                                "vantel.hsc.-1.tmp", "vantel.hsc.12.tmp.bak", "my vantel.hsc.12.tmp",
                                "vantel.hsc.12.TMP", "notes.txt"};
    for (const char* name : kept) WriteBytes(Data() / name, Bytes(3, 0x07));
    fs::create_directories(Data() / "vantel.hsc.13.tmp");   // a folder is never ours
    fs::create_symlink(Data() / "notes.txt", Data() / "vantel.hsc.14.tmp");

    stats::RecordFinishedGame(base, 1, 37);
    EXPECT_EQ(ReadBytes(Hsc()), kFirstGame37);
    for (const char* name : kept) EXPECT_TRUE(fs::exists(Data() / name)) << name;
    EXPECT_TRUE(fs::is_directory(Data() / "vantel.hsc.13.tmp"));
    EXPECT_TRUE(fs::is_symlink(Data() / "vantel.hsc.14.tmp"));
    EXPECT_EQ(ReadBytes(Data() / "notes.txt"), Bytes(3, 0x07));
}

// Without the lock another copy might be writing right now: its temporary file must stay.
TEST_F(LeftoverFiles, WithoutTheLockNothingIsCleared)
{
    fs::create_directories(Data() / stats::kLockFileName / "occupied");
    const fs::path hsc = KilledCopys(Hsc()), cfg = KilledCopys(Cfg());
    WriteBytes(hsc, Bytes(17, 0x55));
    WriteBytes(cfg, Bytes(1, 0x02));
    stats::RecordFinishedGame(base, 1, 37);
    stats::SaveActiveVariant(base, 0);
    EXPECT_EQ(ReadBytes(Hsc()), kFirstGame37);
    EXPECT_EQ(ReadBytes(Cfg()), (Bytes{0x00, 0x00}));
    EXPECT_TRUE(fs::exists(hsc));
    EXPECT_TRUE(fs::exists(cfg));
}

TEST_F(LeftoverFiles, AKilledCopysLockAndTemporariesAreGoneAfterTheNextStart)
{
    WriteBytes(Cfg(), {0x02, 0x00});
    WriteBytes(Data() / stats::kLockFileName, {});
    WriteBytes(KilledCopys(Hsc()), Bytes(17, 0x55));
    WriteBytes(KilledCopys(Cfg()), Bytes(1, 0x00));
    int32_t variant = 1;
    stats::LoadActiveVariant(base, variant);
    EXPECT_EQ(variant, 2);
    EXPECT_TRUE(Leftovers().empty());
    EXPECT_EQ(ReadBytes(Cfg()), (Bytes{0x02, 0x00}));
}

// The lock's holder may be writing right now: a start neither waits for it nor clears anything.
TEST_F(LeftoverFiles, AStartLeavesTheFilesOfACopyThatIsWritingAlone)
{
    const fs::path hsc = KilledCopys(Hsc());
    WriteBytes(hsc, Bytes(17, 0x55));
    const fs::path lockFile = Data() / stats::kLockFileName;
    const int held = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    int32_t variant = 1;
    stats::LoadActiveVariant(base, variant);
    EXPECT_TRUE(fs::exists(hsc));
    EXPECT_TRUE(fs::exists(lockFile));
    ::close(held);
}
