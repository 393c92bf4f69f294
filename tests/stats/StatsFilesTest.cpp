#include <unistd.h>

#include "StatsTestSupport.h"

using namespace stats;
namespace fs = std::filesystem;

namespace {

StatsTable Recorded(const fs::path& file)
{
    StatsTable records = FilledWith(kRecordingDefaults);
    EXPECT_EQ(ReadStatistics(file, records), ReadOutcome::Read);
    return records;
}

}  // namespace

using StatsFiles = TempBase;

TEST_F(StatsFiles, FirstGameWritesTheWholeFile)
{
    RecordFinishedGame(base, 1, 37);
    EXPECT_EQ(ReadBytes(Hsc()), kFirstGame37);
    EXPECT_TRUE(Leftovers().empty());
}

TEST_F(StatsFiles, LaterGamesUpdateOnlyTheirVariant)
{
    RecordFinishedGame(base, 1, 37);
    RecordFinishedGame(base, 1, 37);   // equal: best stays
    RecordFinishedGame(base, 1, 30);   // lower: new best
    RecordFinishedGame(base, 1, 50);   // higher: counted, best stays
    RecordFinishedGame(base, 2, 60);
    const StatsTable r = Recorded(Hsc());
    EXPECT_EQ(r[0], (StatsRecord{0, 0, 999}));
    EXPECT_EQ(r[1], (StatsRecord{4, 154, 30}));
    EXPECT_EQ(r[2], (StatsRecord{1, 60, 60}));
}

TEST_F(StatsFiles, LargeCountsSurviveTheFile)
{
    Bytes bytes = kFirstGame37;
    bytes[10] = 0x3F; bytes[11] = 0x1C; bytes[12] = 0x01;             // 39999 games
    bytes[14] = 0xFE; bytes[15] = 0x7F; bytes[16] = 0xFF; bytes[17] = 0x7F;   // total kMaxCount - 1
    WriteBytes(Hsc(), bytes);
    RecordFinishedGame(base, 1, 20);
    const Bytes after = ReadBytes(Hsc());
    EXPECT_EQ(Bytes(after.begin() + 10, after.begin() + 20),
              (Bytes{0x40, 0x1C, 0x01, 0x00, 0xFF, 0x7F, 0xFF, 0x7F, 0x14, 0x00}));
    EXPECT_EQ(Recorded(Hsc())[1], (StatsRecord{40000, kMaxCount, 20}));
}

TEST_F(StatsFiles, InvalidGamesAreNotRecorded)
{
    for (int v : {-1, 3, 0x10000}) RecordFinishedGame(base, v, 40);
    RecordFinishedGame(base, 1, -1);
    RecordFinishedGame(base, 1, kMaxGameTotal + 1);
    EXPECT_FALSE(fs::exists(Hsc()));
}

TEST_F(StatsFiles, ReadersCreateFoldersButNoFiles)
{
    base /= "fresh account/.local/share";
    int32_t variant = 1;
    LoadActiveVariant(base, variant);
    EXPECT_EQ(variant, 1);
    EXPECT_TRUE(fs::is_directory(Data()));
    EXPECT_TRUE(fs::is_empty(Data()));
    ReadHighScores(base);
    EXPECT_TRUE(fs::is_empty(Data()));
}

TEST_F(StatsFiles, VariantIsStoredAsOneWord)
{
    EXPECT_TRUE(SaveActiveVariant(base, 2));
    EXPECT_EQ(ReadBytes(Cfg()), (Bytes{0x02, 0x00}));
    int32_t variant = 1;
    LoadActiveVariant(base, variant);
    EXPECT_EQ(variant, 2);
    SaveActiveVariant(base, 0);
    LoadActiveVariant(base, variant);
    EXPECT_EQ(variant, 0);
    EXPECT_TRUE(Leftovers().empty());
}

TEST_F(StatsFiles, OnlyAVariantIsSaved)
{
    SaveActiveVariant(base, 1);
    for (int v : {-1, 3, 258}) EXPECT_FALSE(SaveActiveVariant(base, v)) << v;
    EXPECT_EQ(ReadBytes(Cfg()), (Bytes{0x01, 0x00}));
}

TEST_F(StatsFiles, DamagedConfigurationLeavesTheVariant)
{
    const Bytes damaged[] = {{}, {0x02}, {0x03, 0x00}, {0xFF, 0xFF}, {0x00, 0x01}};
    for (const Bytes& bytes : damaged) {
        WriteBytes(Cfg(), bytes);
        int32_t variant = 1;
        LoadActiveVariant(base, variant);
        EXPECT_EQ(variant, 1) << bytes.size();
        EXPECT_EQ(ReadHighScores(base).activeVariant, 1) << bytes.size();
    }
    WriteBytes(Cfg(), {0x02, 0x00, 0x07});   // extra bytes do not matter
    int32_t variant = 1;
    LoadActiveVariant(base, variant);
    EXPECT_EQ(variant, 2);
}

TEST_F(StatsFiles, DialogDefaultsDifferFromTheRecordingOnes)
{
    HighScoresSnapshot shown = ReadHighScores(base);
    for (const StatsRecord& r : shown.records) EXPECT_EQ(r, (StatsRecord{0, 0, 0}));
    EXPECT_EQ(shown.activeVariant, 1);

    RecordFinishedGame(base, 1, 37);
    SaveActiveVariant(base, 0);
    shown = ReadHighScores(base);
    EXPECT_EQ(shown.records[0], (StatsRecord{0, 0, 999}));
    EXPECT_EQ(shown.records[1], (StatsRecord{1, 37, 37}));
    EXPECT_EQ(shown.records[2], (StatsRecord{0, 0, 999}));
    EXPECT_EQ(shown.activeVariant, 0);
}

TEST_F(StatsFiles, ShortStatisticsFileKeepsItsCompleteRecords)
{
    WriteBytes(Hsc(), {0x03, 0x00, 0x00, 0x00, 0x32, 0x00, 0x00, 0x00, 0x0C, 0x00, 0x09, 0x09, 0x09});
    const HighScoresSnapshot shown = ReadHighScores(base);
    EXPECT_EQ(shown.records[0], (StatsRecord{3, 50, 12}));
    EXPECT_EQ(shown.records[1], (StatsRecord{0, 0, 0}));

    RecordFinishedGame(base, 2, 20);
    const StatsTable r = Recorded(Hsc());
    EXPECT_EQ(ReadBytes(Hsc()).size(), kStatisticsBytes);
    EXPECT_EQ(r[0], (StatsRecord{3, 50, 12}));
    EXPECT_EQ(r[1], (StatsRecord{0, 0, 999}));
    EXPECT_EQ(r[2], (StatsRecord{1, 20, 20}));
}

TEST_F(StatsFiles, EmptyOrLongStatisticsFileIsRewrittenAtItsSize)
{
    WriteBytes(Hsc(), {});
    RecordFinishedGame(base, 1, 37);
    EXPECT_EQ(ReadBytes(Hsc()), kFirstGame37);

    Bytes longer = kFirstGame37;
    longer.insert(longer.end(), {0xAA, 0xBB, 0xCC});
    WriteBytes(Hsc(), longer);
    RecordFinishedGame(base, 0, 14);
    const Bytes after = ReadBytes(Hsc());
    ASSERT_EQ(after.size(), kStatisticsBytes);
    EXPECT_EQ(Recorded(Hsc())[0], (StatsRecord{1, 14, 14}));
    EXPECT_EQ(Bytes(after.begin() + 10, after.end()), Bytes(kFirstGame37.begin() + 10, kFirstGame37.end()));
}

TEST_F(StatsFiles, DamagedCountsStartAgainFromNothing)
{
    Bytes bytes = kFirstGame37;
    for (size_t i = 0; i < 10; ++i) bytes[i] = 0xFF;   // variant 0: -32769 games, total, best -1
    WriteBytes(Hsc(), bytes);
    RecordFinishedGame(base, 0, 50);
    EXPECT_EQ(Recorded(Hsc())[0], (StatsRecord{1, 50, 50}));
}

TEST_F(StatsFiles, AVariantWithNoGameOnFileTakesItsFirstGameAsBestWhateverBestItHolds)
{
    WriteBytes(Hsc(), Bytes(kStatisticsBytes, 0x00));
    RecordFinishedGame(base, 1, 7);
    RecordFinishedGame(base, 1, 9);
    EXPECT_EQ(Recorded(Hsc())[1], (StatsRecord{2, 16, 7}));
    EXPECT_EQ(Recorded(Hsc())[0], (StatsRecord{0, 0, 0}));
}

TEST_F(StatsFiles, EmptyBaseTouchesNothing)
{
    const fs::path before = fs::current_path();
    fs::current_path(base);
    RecordFinishedGame({}, 1, 37);
    const bool saved = SaveActiveVariant({}, 2);
    int32_t variant = 1;
    LoadActiveVariant({}, variant);
    const HighScoresSnapshot shown = ReadHighScores({});
    const bool untouched = fs::is_empty(base);
    fs::current_path(before);

    EXPECT_FALSE(PrepareDataFolder({}, kStatisticsFileName).has_value());
    EXPECT_TRUE(untouched);
    EXPECT_FALSE(saved);
    EXPECT_EQ(variant, 1);
    EXPECT_EQ(shown.activeVariant, 1);
    EXPECT_EQ(shown.records[1], (StatsRecord{0, 0, 0}));
}

TEST_F(StatsFiles, FolderThatCannotBeMadeLosesOnlyThisGame)
{
    const fs::path blocked = base / "not a folder";
    WriteBytes(blocked, {0x42});
    RecordFinishedGame(blocked, 1, 37);
    EXPECT_FALSE(SaveActiveVariant(blocked, 2));
    int32_t variant = 0;
    LoadActiveVariant(blocked, variant);
    EXPECT_EQ(variant, 0);
    EXPECT_EQ(ReadHighScores(blocked).records[1], (StatsRecord{0, 0, 0}));
    EXPECT_EQ(ReadBytes(blocked), (Bytes{0x42}));
}

TEST_F(StatsFiles, UnreadableStatisticsAreNeverOverwritten)
{
    // A folder in the file's place: it opens, but reading fails.
    fs::create_directories(Hsc());
    StatsTable records = FilledWith(kRecordingDefaults);
    EXPECT_EQ(ReadStatistics(Hsc(), records), ReadOutcome::Unreadable);
    RecordFinishedGame(base, 1, 37);
    EXPECT_TRUE(fs::is_directory(Hsc()));
    EXPECT_EQ(ReadHighScores(base).records[1], (StatsRecord{0, 0, 0}));
    fs::remove(Hsc());

    // A link that loops: it cannot be opened at all, yet a rename would happily replace it.
    fs::create_symlink(stats::kStatisticsFileName, Hsc());
    EXPECT_EQ(ReadStatistics(Hsc(), records), ReadOutcome::Unreadable);
    RecordFinishedGame(base, 1, 37);
    EXPECT_TRUE(fs::is_symlink(Hsc()));
    EXPECT_TRUE(Leftovers().empty());
}

TEST_F(StatsFiles, AnyPathWorks)
{
    // A home folder named in Latin-1 is no valid UTF-8: its bytes must reach the disk unchanged.
    base /= "Jos\xe9";
    WriteBytes(Hsc(), kFirstGame37);
    EXPECT_EQ(ReadHighScores(base).records[1], (StatsRecord{1, 37, 37}));
    RecordFinishedGame(base, 1, 20);
    EXPECT_EQ(Recorded(Hsc())[1], (StatsRecord{2, 57, 20}));
    EXPECT_EQ(std::distance(fs::directory_iterator(root), fs::directory_iterator()), 1)
        << "a second folder was made beside the player's";

    base /= "Données de jeu ✓";
    for (int i = 0; i < 4; ++i) base /= std::string(120, static_cast<char>('a' + i));
    ASSERT_GT(base.string().size(), 500u);
    RecordFinishedGame(base, 1, 37);
    SaveActiveVariant(base, 2);
    EXPECT_EQ(ReadBytes(Hsc()), kFirstGame37);
    int32_t variant = 1;
    LoadActiveVariant(base, variant);
    EXPECT_EQ(variant, 2);
}
