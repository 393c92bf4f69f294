#pragma once
// The byte format of the two files that outlive a game. Players keep these files for years, so
// the layout never changes: little-endian 16-bit words, counts as split values of two words.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace stats {

constexpr int kVariantCount = 3;
constexpr size_t kWordBytes = 2;
constexpr size_t kRecordBytes = 10;                                  // games, total: 2 words each; best: 1
constexpr size_t kStatisticsBytes = kRecordBytes * kVariantCount;   // 30
constexpr size_t kConfigurationBytes = kWordBytes;                  // 2

// The largest count a split value reads back unchanged (2^30 - 1); counts stop growing here.
constexpr int32_t kMaxCount = 32767 * 32768 + 32767;
constexpr int32_t kNoBestScore = 999;
// A game total becomes a best score, which is one signed word; play never comes near this.
constexpr int32_t kMaxGameTotal = 32767;

struct StatsRecord {
    int32_t gamesPlayed;
    int32_t totalScore;
    int32_t bestScore;
};

// The records of the three variants, indexed by variant number as the file orders them.
using StatsTable = std::array<StatsRecord, kVariantCount>;

constexpr bool IsVariant(int32_t v) { return v >= 0 && v < kVariantCount; }

// The end-of-game update starts from 999 so that a variant's first game becomes its best.
constexpr StatsRecord kRecordingDefaults{0, 0, kNoBestScore};
// The High Scores dialog shows zeros while no statistics file exists.
constexpr StatsRecord kDialogDefaults{0, 0, 0};
constexpr int32_t kDialogDefaultVariant = 1;

StatsTable FilledWith(const StatsRecord& record);

// One signed word: two's complement, low byte first.
void EncodeWord(int32_t value, uint8_t* out);
int32_t DecodeWord(const uint8_t* in);

// Two words, low then high, low = v mod 32768 and high = v div 32768. Writing clamps to
// 0..kMaxCount, so the game never writes a count it could not read back.
void EncodeSplitValue(int32_t value, uint8_t* out);
int32_t DecodeSplitValue(const uint8_t* in);

std::vector<uint8_t> EncodeStatistics(const StatsTable& records);
// Fills the records that `bytes` holds completely; the others keep what they had.
void DecodeStatistics(const std::vector<uint8_t>& bytes, StatsTable& records);

std::vector<uint8_t> EncodeVariant(int32_t variant);

// Adds one finished game with game total `total` to `record`. Counts stop at kMaxCount;
// negative counts, which only a damaged file holds, count as 0. A record without a game takes its
// first game as its best, whatever best it held.
void AddFinishedGame(StatsRecord& record, int32_t total);

}  // namespace stats
