#include <gtest/gtest.h>

#include <string>

#include "ScoreDigits.h"

namespace {

using scoredigits::Cells;

// The cells as the player reads them: "GGGGG AAA.A BBB", a blank cell as a space; a cell that is
// neither a blank nor a digit of the totals' style shows as '?'.
std::string Shown(const Cells& cells)
{
    std::string text;
    for (int k = 0; k < scoredigits::kCells; ++k) {
        if (k == scoredigits::kFirstAverage || k == scoredigits::kFirstBest) text += ' ';
        if (k == scoredigits::kFirstAverage + 3) text += '.';
        const int32_t v = cells[k];
        text += v == scoredigits::kBlank ? ' ' : (v >= 20 && v <= 29 ? static_cast<char>('0' + v - 20) : '?');
    }
    return text;
}

std::string Shown(int32_t games, int32_t total, int32_t best)
{
    return Shown(scoredigits::FillScoreDigits({games, total, best}));
}

}  // namespace

TEST(ScoreDigits, FreshAndFirstGames)
{
    EXPECT_EQ(Shown(0, 0, 0), "    0  00.0  00");       // no statistics file at all
    EXPECT_EQ(Shown(0, 0, 999), "    0  00.0 999");     // a variant never finished
    EXPECT_EQ(Shown(1, 37, 37), "    1  37.0  37");
}

TEST(ScoreDigits, AverageIsRoundedHalfUpFromTruncatedHundredths)
{
    EXPECT_EQ(Shown(3, 137, 40), "    3  45.7  40");    // 45.66
    EXPECT_EQ(Shown(2, 91, 40), "    2  45.5  40");     // 45.50
    EXPECT_EQ(Shown(4, 19, 3), "    4  04.8  03");      // 4.75: the tens always show
    EXPECT_EQ(Shown(3, 100, 30), "    3  33.3  30");    // 33.33
    EXPECT_EQ(Shown(3, 1, 0), "    3  00.3  00");       // 0.33
    EXPECT_EQ(Shown(20, 1, 0), "   20  00.1  00");      // 0.05 rounds up
    EXPECT_EQ(Shown(25, 2499, 90), "   25 100.0  90");  // 99.96 carries into the hundreds
    EXPECT_EQ(Shown(7, 1290, 150), "    7 184.3 150");
}

TEST(ScoreDigits, GamesShowInnerZerosButNoLeadingOnes)
{
    EXPECT_EQ(Shown(10005, 10005 * 40, 20).substr(0, 5), "10005");
    EXPECT_EQ(Shown(7, 70, 10).substr(0, 5), "    7");
    EXPECT_EQ(Shown(10, 100, 10).substr(0, 5), "   10");
    EXPECT_EQ(Shown(100, 1000, 10).substr(0, 5), "  100");
    EXPECT_EQ(Shown(9999, 0, 10).substr(0, 5), " 9999");
    EXPECT_EQ(Shown(99999, 0, 10).substr(0, 5), "99999");
}

TEST(ScoreDigits, BestScoreBlanksOnlyTheHundreds)
{
    EXPECT_EQ(Shown(1, 7, 7).substr(12), " 07");
    EXPECT_EQ(Shown(1, 0, 0).substr(12), " 00");
    EXPECT_EQ(Shown(1, 100, 100).substr(12), "100");
    EXPECT_EQ(Shown(1, 999, 999).substr(12), "999");
}

TEST(ScoreDigits, FiguresBeyondTheCellsShowAllNines)
{
    EXPECT_EQ(Shown(100000, 0, 10).substr(0, 5), "99999");
    EXPECT_EQ(Shown(stats::kMaxCount, 0, 10).substr(0, 5), "99999");
    EXPECT_EQ(Shown(1, 1000, 150), "    1 999.9 150");            // 1000.0
    EXPECT_EQ(Shown(1, stats::kMaxCount, 150), "    1 999.9 150");
    EXPECT_EQ(Shown(1, 1000, 1000).substr(12), "999");
    EXPECT_EQ(Shown(1, 1000, 32767).substr(12), "999");
}

TEST(ScoreDigits, NegativeFiguresOfADamagedFileShowAsZero)
{
    EXPECT_EQ(Shown(-5, 100, 10), "    0  00.0  10");
    EXPECT_EQ(Shown(4, -100, -3), "    4  00.0  00");
    EXPECT_EQ(Shown(-32768, -32768, -32768), "    0  00.0  00");
}

TEST(ScoreDigits, AverageNeverOverflows)
{
    // total * 100 is far beyond 32 bits here.
    EXPECT_EQ(scoredigits::AverageInTenths(3, stats::kMaxCount), int64_t{107374182300} / 3 / 10);
    EXPECT_EQ(scoredigits::AverageInTenths(stats::kMaxCount, stats::kMaxCount), 10);
    EXPECT_EQ(scoredigits::AverageInTenths(0, 500), 0);
    EXPECT_EQ(scoredigits::AverageInTenths(3, 137), 457);
    EXPECT_EQ(scoredigits::AverageInTenths(2, 91), 455);
}
