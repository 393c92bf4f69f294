// The random source behind the chip order. The draw scales its values as 0 to 32767 and clamps
// anything outside that range, so a source with a wider range would play on, skewing the chip order
// towards the last chip, unless this test catches it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "Chips.h"
#include "RandomSource.h"

TEST(RandomSource, GivesOnlyFifteenBitValuesThatTheDrawSpreadsEvenlyOverTheChips)
{
    constexpr int kDraws = 36 * 2000;
    std::array<int, chips::kCount> drawn{};
    RandomSource random;
    random.Seed(20240611);
    int outside = 0;
    for (int i = 0; i < kDraws; ++i) {
        const int r = random.Next();
        outside += r < 0 || r > 32767;
        // The draw's scaling: the value clamped to 0..32767, then 36 equal shares of 32768.
        ++drawn[std::clamp(r, 0, 32767) * 36 / 32768];
    }
    EXPECT_EQ(outside, 0) << "values outside 0 to 32767";

    // 32768 is no multiple of 36: a chip's share is 910 or 911 of the 32768 values.
    std::array<int, chips::kCount> share{};
    for (int r = 0; r < 32768; ++r) ++share[r * 36 / 32768];
    double chiSquare = 0;
    for (int k = 0; k < chips::kCount; ++k) {
        const double expected = kDraws * share[k] / 32768.0;
        chiSquare += (drawn[k] - expected) * (drawn[k] - expected) / expected;
    }
    // 35 degrees of freedom: a fair source passes 100 less than once in ten million seeds; the
    // last chip taking every value past 32767 gives hundreds of thousands.
    EXPECT_LT(chiSquare, 100.0) << "chip 35 drawn " << drawn[35] << " times of " << kDraws;
}
