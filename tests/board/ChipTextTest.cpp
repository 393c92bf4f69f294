// The chip's travelling text: what we write, and which texts from other programs name a chip.
#include <gtest/gtest.h>

#include <string>

#include "ChipText.h"

using namespace std::string_literals;

TEST(ChipText, ChipsTravelAsPlainDecimalDigits)
{
    EXPECT_EQ(chiptext::Format(1), "1");
    EXPECT_EQ(chiptext::Format(7), "7");
    EXPECT_EQ(chiptext::Format(11), "11");
    for (int v = 1; v <= 12; ++v) EXPECT_EQ(chiptext::Parse(chiptext::Format(v)), v) << v;
}

TEST(ChipText, DigitsWithWhitespaceAroundAreRead)
{
    EXPECT_EQ(chiptext::Parse(" 11 "), 11);
    EXPECT_EQ(chiptext::Parse("11\n"), 11);
    EXPECT_EQ(chiptext::Parse("\t\r\n12\r\n"), 12);
    EXPECT_EQ(chiptext::Parse("07"), 7);
    // A C string's terminator, as a text block from another program may carry it.
    EXPECT_EQ(chiptext::Parse("9\0"s), 9);
    EXPECT_EQ(chiptext::Parse("9\0\0\0\0\0\0\0\0"s), 9);
}

TEST(ChipText, AnythingElseNamesNoChip)
{
    const std::string refused[] = {
        "", "   ", "\0"s, "0", "00", "13", "16", "99", "-7", "+7", "- 7", "7a", "a7", "1 2", "1,2", "1.0",
        "0x7", "1e1", "seven", "\xEF\xBC\x97",   // a full-width seven
        "1\0" "2"s, "\0" "7"s,                     // NULs inside the text
        "99999999999999999999999999999999", "000000000000000000000000000000000000000000000000013",
        std::string(chiptext::kMaxLength, ' ') + "7",
        std::string(100000, '1'),
    };
    for (const std::string& text : refused) EXPECT_EQ(chiptext::Parse(text), 0) << '"' << text << '"';
}

TEST(ChipText, LeadingZerosDoNotHideAnOverlongNumber)
{
    EXPECT_EQ(chiptext::Parse(std::string(40, '0') + "12"), 12);
    EXPECT_EQ(chiptext::Parse(std::string(40, '0') + "120"), 0);
}
