// The board's words for screen readers, value by value.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "AccessibleWords.h"

TEST(AccessibleWords, EverySlotValueSaysWhatItShows)
{
    const std::vector<std::pair<int, std::string>> cases = {
        {0, "empty"},   {1, "star"},   {6, "circle"},  {7, "blue"},
        {10, "green"},  {12, "red"},   {13, "hidden"}, {14, "circle, not in play"},
        {15, "red, not in play"},      {16, "not in play"},
    };
    for (const auto& [value, words] : cases) EXPECT_EQ(words::SlotContent(value).toStdString(), words) << value;
}

TEST(AccessibleWords, ACentreCellNamesItsColourAndShapeAndWhetherRuledOut)
{
    EXPECT_EQ(words::CentreCell(0), "blue star, available");
    EXPECT_EQ(words::CentreCell(19), "green club, available");
    EXPECT_EQ(words::CentreCell(19 + 36), "green club, ruled out");
    EXPECT_EQ(words::CentreCell(35 + 36), "red circle, ruled out");
}

TEST(AccessibleWords, ARowsPegsAreCountedNotListed)
{
    const std::vector<std::pair<std::vector<int32_t>, std::string>> cases = {
        {{3, 2, 2, 1}, "1 right place, 2 right chip elsewhere"},
        {{2, 3, 1, 2}, "1 right place, 2 right chip elsewhere"},
        {{3, 3, 3, 3}, "4 right place"},
        {{2, 1, 1, 0}, "1 right chip elsewhere"},
        {{1, 1, 1, 1}, "no match"},
        {{1, 1, 1, 0}, "no match"},   // three slots in play
    };
    for (const auto& [pegs, words] : cases) EXPECT_EQ(words::PegResult(pegs.data(), 4).toStdString(), words);
}

TEST(AccessibleWords, AFigureLeavesItsBlankCellsUnsaid)
{
    const int32_t blank = 30;
    const int32_t total105[] = {21, 20, 25};
    const int32_t round9[] = {blank, 9};
    const int32_t finished24[] = {12, 14};
    const int32_t none[] = {blank, blank};
    EXPECT_EQ(words::Figure(total105, 3), "105");
    EXPECT_EQ(words::Figure(round9, 2), "9");
    EXPECT_EQ(words::Figure(finished24, 2), "24");
    EXPECT_EQ(words::Figure(none, 2), "");
}
