#include <climits>

#include "StatsTestSupport.h"

using namespace stats;

namespace {

Bytes Word(int32_t v)
{
    Bytes b(2);
    EncodeWord(v, b.data());
    return b;
}

Bytes Split(int32_t v)
{
    Bytes b(4);
    EncodeSplitValue(v, b.data());
    return b;
}

int32_t SplitOf(const Bytes& b) { return DecodeSplitValue(b.data()); }

}  // namespace

TEST(StatsFormat, WordIsLittleEndianTwosComplement)
{
    EXPECT_EQ(Word(0x25), (Bytes{0x25, 0x00}));
    EXPECT_EQ(Word(999), (Bytes{0xE7, 0x03}));
    EXPECT_EQ(Word(32767), (Bytes{0xFF, 0x7F}));
    EXPECT_EQ(Word(-1), (Bytes{0xFF, 0xFF}));
    EXPECT_EQ(Word(-32768), (Bytes{0x00, 0x80}));
    for (int32_t v : {0, 1, 255, 256, 999, 32767, -1, -256, -32768}) {
        EXPECT_EQ(DecodeWord(Word(v).data()), v) << v;
    }
}

TEST(StatsFormat, SplitValueMatchesTheStoredVectors)
{
    EXPECT_EQ(Split(40000), (Bytes{0x40, 0x1C, 0x01, 0x00}));
    EXPECT_EQ(Split(32768), (Bytes{0x00, 0x00, 0x01, 0x00}));
    EXPECT_EQ(Split(32767), (Bytes{0xFF, 0x7F, 0x00, 0x00}));
    EXPECT_EQ(SplitOf({0x40, 0x1C, 0x01, 0x00}), 40000);
}

TEST(StatsFormat, SplitValueCountsUpToTheCeilingSurviveAndLargerOnesStopThere)
{
    EXPECT_EQ(kMaxCount, (1 << 30) - 1);
    for (int32_t v : {0, 1, 32767, 32768, 65535, 65536, 1000000, kMaxCount - 1, kMaxCount}) {
        EXPECT_EQ(SplitOf(Split(v)), v) << v;
    }
    EXPECT_EQ(Split(kMaxCount), (Bytes{0xFF, 0x7F, 0xFF, 0x7F}));
    EXPECT_EQ(Split(kMaxCount + 1), Split(kMaxCount));
    EXPECT_EQ(Split(INT32_MAX), Split(kMaxCount));
    // Only damage yields a negative count; it is never written back as one.
    EXPECT_EQ(Split(-5), Split(0));
}

TEST(StatsFormat, SplitValueDamagedWordsReadWithoutOverflow)
{
    EXPECT_EQ(SplitOf({0xFF, 0xFF, 0xFF, 0xFF}), -1 - 32768);
    EXPECT_EQ(SplitOf({0x00, 0x80, 0x00, 0x80}), -32768 - 32768 * 32768);
    EXPECT_EQ(SplitOf({0xFF, 0xFF, 0x05, 0x00}), 5 * 32768 - 1);
}

TEST(StatsFormat, FileBytesFirstGameOfVariantOneWithTotal37)
{
    StatsTable records = FilledWith(kRecordingDefaults);
    AddFinishedGame(records[1], 37);
    EXPECT_EQ(EncodeStatistics(records), kFirstGame37);
}

TEST(StatsFormat, FileBytesShortInputFillsOnlyItsCompleteRecords)
{
    const StatsRecord untouched{7, 8, 9};
    StatsTable records = FilledWith(untouched);
    Bytes bytes = kFirstGame37;
    bytes[0] = 0x04;   // variant 0 played 4 games
    bytes.resize(19);  // variant 1's record is one byte short
    DecodeStatistics(bytes, records);
    EXPECT_EQ(records[0], (StatsRecord{4, 0, 999}));
    EXPECT_EQ(records[1], untouched);
    EXPECT_EQ(records[2], untouched);

    DecodeStatistics({}, records);
    EXPECT_EQ(records[0], (StatsRecord{4, 0, 999}));
}

TEST(StatsFormat, AddingAGameKeepsTheLowestTotalAsBest)
{
    StatsRecord r{3, 120, 40};
    AddFinishedGame(r, 40);
    EXPECT_EQ(r, (StatsRecord{4, 160, 40}));
    AddFinishedGame(r, 39);
    EXPECT_EQ(r, (StatsRecord{5, 199, 39}));
    AddFinishedGame(r, 100);
    EXPECT_EQ(r, (StatsRecord{6, 299, 39}));
}

TEST(StatsFormat, AddingAGameCountsStopAtTheCeiling)
{
    StatsRecord r{kMaxCount - 1, kMaxCount - 50, 20};
    AddFinishedGame(r, 30);
    EXPECT_EQ(r, (StatsRecord{kMaxCount, kMaxCount - 20, 20}));
    AddFinishedGame(r, 30);
    EXPECT_EQ(r, (StatsRecord{kMaxCount, kMaxCount, 20}));
    AddFinishedGame(r, 30);
    EXPECT_EQ(r, (StatsRecord{kMaxCount, kMaxCount, 20}));
}

TEST(StatsFormat, AddingAGameDamagedValuesRestartFromNothing)
{
    StatsRecord r{INT32_MIN, INT32_MIN, -7};
    AddFinishedGame(r, 30);
    EXPECT_EQ(r, (StatsRecord{1, 30, 30}));
    StatsRecord huge{INT32_MAX, INT32_MAX, INT32_MAX};
    AddFinishedGame(huge, 30);
    EXPECT_EQ(huge, (StatsRecord{kMaxCount, kMaxCount, 30}));
}
