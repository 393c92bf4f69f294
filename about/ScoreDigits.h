#pragma once
// The twelve digit cells that show one variant's statistics: GAMES PLAYED (five cells), AVERAGE
// SCORE (hundreds, tens, units, tenths) and BEST SCORE (three cells), as digit-control values.
// Figures too large for their cells show as all nines, and negative ones, which only a damaged
// file holds, as zero, so a cell never shows a picture other than a digit or a blank.

#include <array>
#include <cstdint>

#include "StatsFormat.h"

namespace scoredigits {

constexpr int kGamesCells = 5;
constexpr int kAverageCells = 4;
constexpr int kBestCells = 3;
constexpr int kCells = kGamesCells + kAverageCells + kBestCells;   // 12
constexpr int kFirstAverage = kGamesCells;                         // 5
constexpr int kFirstBest = kGamesCells + kAverageCells;            // 9

constexpr int32_t kDigitStyle = 20;   // the style of the main window's TOTAL digits
constexpr int32_t kBlank = 30;

constexpr int32_t kMaxGamesShown = 99999;
constexpr int32_t kMaxAverageTenthsShown = 9999;   // 999.9
constexpr int32_t kMaxBestShown = 999;

using Cells = std::array<int32_t, kCells>;

// The average game total in tenths: hundredths truncated, then rounded half up to tenths.
// 0 without games; 64-bit so that no total can overflow.
int64_t AverageInTenths(int32_t gamesPlayed, int32_t totalScore);

// The cells of one variant, position 0 (ten-thousands of the games) to 11 (units of the best).
Cells FillScoreDigits(const stats::StatsRecord& record);

}  // namespace scoredigits
