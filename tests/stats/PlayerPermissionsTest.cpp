// Files and folders the player made read-only: a read-only file is never replaced, and a read-only
// folder still has its writable files written in place.
#include <fcntl.h>
#include <sys/stat.h>

#include "StatsTestSupport.h"

using namespace stats;
namespace fs = std::filesystem;

namespace {

// Permissions bind an ordinary user only: as root these tests run their writes as nobody.
class PlayerPermissions : public TempBase {
protected:
    void SetUp() override
    {
        TempBase::SetUp();
        GiveToPlayer();
        const int reach = InChild([&] { return ::access(root.c_str(), W_OK | X_OK) == 0 ? 0 : 1; }, true);
        if (reach == kNoPlayer) GTEST_SKIP() << "running as root, and unable to become the user nobody";
        if (reach != 0) GTEST_SKIP() << "the user nobody cannot reach the temporary folder " << root;
    }

    // `body` as the player, over files that are the player's own.
    int AsPlayer(const std::function<int()>& body)
    {
        GiveToPlayer();
        return InChild(body, true);
    }
};

}  // namespace

TEST_F(PlayerPermissions, ReadOnlyFilesAreNeitherReplacedNorMadeWritable)
{
    WriteBytes(Hsc(), kFirstGame37);
    WriteBytes(Cfg(), {0x00, 0x00});
    SetMode(Hsc(), 0444);
    SetMode(Cfg(), 0400);
    const int saved = AsPlayer([&] {
        RecordFinishedGame(base, 1, 20);
        return SaveActiveVariant(base, 2) ? 1 : 0;
    });
    EXPECT_EQ(saved, 0) << "a variant that was not stored is reported as stored";
    EXPECT_EQ(ReadBytes(Hsc()), kFirstGame37);
    EXPECT_EQ(ReadBytes(Cfg()), (Bytes{0x00, 0x00}));
    EXPECT_EQ(ModeOf(Hsc()), 0444u);
    EXPECT_EQ(ModeOf(Cfg()), 0400u);
    EXPECT_TRUE(Leftovers().empty());
}

TEST_F(PlayerPermissions, AReadOnlyFolderStillHasItsWritableFilesWrittenInPlace)
{
    WriteBytes(Hsc(), kFirstGame37);
    SetMode(Hsc(), 0600);
    SetMode(Data(), 0555);
    const int saved = AsPlayer([&] {
        RecordFinishedGame(base, 1, 20);
        return SaveActiveVariant(base, 2) ? 1 : 0;
    });
    StatsTable records = FilledWith(kRecordingDefaults);
    ASSERT_EQ(ReadStatistics(Hsc(), records), ReadOutcome::Read);
    EXPECT_EQ(records[1], (StatsRecord{2, 57, 20}));
    EXPECT_EQ(ReadBytes(Hsc()).size(), kStatisticsBytes);
    EXPECT_EQ(ModeOf(Hsc()), 0600u);
    // No configuration file can be made in such a folder, and the save says so.
    EXPECT_EQ(saved, 0);
    EXPECT_EQ(Names(Data()), std::vector<std::string>{kStatisticsFileName});
}
