#include "StatsFormat.h"

#include <algorithm>

namespace stats {

namespace {

constexpr int32_t kSplit = 32768;

// Record field offsets within a record.
constexpr size_t kGamesAt = 0;
constexpr size_t kTotalAt = 4;
constexpr size_t kBestAt = 8;

int32_t ClampCount(int64_t value)
{
    return static_cast<int32_t>(std::clamp<int64_t>(value, 0, kMaxCount));
}

}  // namespace

StatsTable FilledWith(const StatsRecord& record)
{
    StatsTable records;
    records.fill(record);
    return records;
}

void EncodeWord(int32_t value, uint8_t* out)
{
    // Conversion to an unsigned type is modular: a negative word gains 65536, as the format wants.
    const auto word = static_cast<uint16_t>(value);
    out[0] = static_cast<uint8_t>(word & 0xFF);
    out[1] = static_cast<uint8_t>(word >> 8);
}

int32_t DecodeWord(const uint8_t* in)
{
    const int32_t word = in[0] + 256 * in[1];
    return in[1] >= 128 ? word - 65536 : word;
}

void EncodeSplitValue(int32_t value, uint8_t* out)
{
    const int32_t v = ClampCount(value);
    EncodeWord(v % kSplit, out);
    EncodeWord(v / kSplit, out + kWordBytes);
}

int32_t DecodeSplitValue(const uint8_t* in)
{
    // Both words are signed, so a damaged file yields at least -2^30 - 2^15 and at most
    // 2^30 - 1: the sum cannot overflow.
    return DecodeWord(in) + DecodeWord(in + kWordBytes) * kSplit;
}

std::vector<uint8_t> EncodeStatistics(const StatsTable& records)
{
    std::vector<uint8_t> bytes(kStatisticsBytes);
    for (size_t v = 0; v < records.size(); ++v) {
        uint8_t* record = bytes.data() + v * kRecordBytes;
        EncodeSplitValue(records[v].gamesPlayed, record + kGamesAt);
        EncodeSplitValue(records[v].totalScore, record + kTotalAt);
        EncodeWord(records[v].bestScore, record + kBestAt);
    }
    return bytes;
}

void DecodeStatistics(const std::vector<uint8_t>& bytes, StatsTable& records)
{
    // A short file gives only its complete records; a half record would be garbage.
    const size_t complete = std::min(bytes.size() / kRecordBytes, records.size());
    for (size_t v = 0; v < complete; ++v) {
        const uint8_t* record = bytes.data() + v * kRecordBytes;
        records[v].gamesPlayed = DecodeSplitValue(record + kGamesAt);
        records[v].totalScore = DecodeSplitValue(record + kTotalAt);
        records[v].bestScore = DecodeWord(record + kBestAt);
    }
}

std::vector<uint8_t> EncodeVariant(int32_t variant)
{
    std::vector<uint8_t> bytes(kConfigurationBytes);
    EncodeWord(variant, bytes.data());
    return bytes;
}

void AddFinishedGame(StatsRecord& record, int32_t total)
{
    // A record without a game (a file of zeros, too) takes its first game as its best.
    const bool first = record.gamesPlayed <= 0;
    // 64-bit sums: values from a damaged file must not overflow.
    record.gamesPlayed = ClampCount(int64_t{std::max(record.gamesPlayed, 0)} + 1);
    record.totalScore = ClampCount(int64_t{std::max(record.totalScore, 0)} + total);
    // An equal total leaves the best alone; a negative best can only be damage.
    if (first || total < record.bestScore || record.bestScore < 0) record.bestScore = total;
}

}  // namespace stats
