#include "ScoreDigits.h"

#include <algorithm>

namespace scoredigits {
namespace {

constexpr int32_t Digit(int64_t d) { return kDigitStyle + static_cast<int32_t>(d); }

int64_t Shown(int64_t value, int64_t largest) { return std::clamp<int64_t>(value, 0, largest); }

// Leading zeros are blank; zeros inside the number show, and the last `alwaysShown` cells always do.
void FillNumber(int32_t* cells, int count, int64_t value, int alwaysShown)
{
    int64_t power = 1;
    for (int k = count - 1; k >= 0; --k) {
        const bool leading = value < power && k < count - alwaysShown;
        cells[k] = leading ? kBlank : Digit(value / power % 10);
        power *= 10;
    }
}

}  // namespace

int64_t AverageInTenths(int32_t gamesPlayed, int32_t totalScore)
{
    if (gamesPlayed < 1) return 0;
    int64_t hundredths = int64_t{totalScore} * 100 / gamesPlayed;
    if (hundredths % 10 > 4) hundredths += 5;
    return hundredths / 10;
}

Cells FillScoreDigits(const stats::StatsRecord& record)
{
    Cells cells{};
    FillNumber(&cells[0], kGamesCells, Shown(record.gamesPlayed, kMaxGamesShown), 1);
    FillNumber(&cells[kFirstAverage], kAverageCells,
               Shown(AverageInTenths(record.gamesPlayed, record.totalScore), kMaxAverageTenthsShown), 3);
    FillNumber(&cells[kFirstBest], kBestCells, Shown(record.bestScore, kMaxBestShown), 2);
    return cells;
}

}  // namespace scoredigits
