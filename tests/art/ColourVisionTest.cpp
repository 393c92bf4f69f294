// The six chip colours as the sheet draws them, seen with normal vision and through the
// protanopia, deuteranopia and tritanopia simulations: every two colours stay apart, and no
// available pool chip looks like an eliminated one. Each test prints its closest pair per vision.

#include "ColourVision.h"
#include "SheetImages.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

using namespace vision;

constexpr double kApart = 25.0;   // the least ΔE*ab between two chips that must be told apart
const char* const kColourNames[6] = {"blue", "orange", "purple", "green", "yellow", "red"};

// Where a ball shows its own colour: on a colour chip below and right of the glaze, on a pool
// chip left of its mark; no highlight, shadow or ink reaches either patch.
const QRect kChipBody(37, 35, 4, 4);
const QRect kPoolBody(17, 58, 4, 4);

Linear MeanLinear(const QRect& cell, const QRect& patch)
{
    Linear sum{0, 0, 0};
    for (int y = patch.top(); y <= patch.bottom(); ++y)
        for (int x = patch.left(); x <= patch.right(); ++x) {
            const Linear c = ToLinear(sheet::Sheet().pixel(cell.topLeft() + QPoint(x, y)));
            sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
        }
    const double n = patch.width() * patch.height();
    return {sum.r / n, sum.g / n, sum.b / n};
}

Linear ColourChipBody(int colour)   // 1 to 6
{
    return MeanLinear(sheet::At(sprites::GuessChipCell(6 + colour), sprites::kChipSize), kChipBody);
}

Linear PoolChipBody(int value)   // 0 to 35 available, 36 to 71 eliminated
{
    return MeanLinear(sheet::At(sprites::CenterChipCell(value), sprites::kPoolSize), kPoolBody);
}

std::string PoolChipName(int value)
{
    const int chip = value % 36;
    return std::string(value >= 36 ? "eliminated " : "") + kColourNames[chip / 6] + " chip "
           + std::to_string(chip);
}

struct Closest {
    double distance = 1e9;
    std::string pair;
    void Offer(double d, const std::string& a, const std::string& b)
    {
        if (d < distance) { distance = d; pair = a + " / " + b; }
    }
};

void Print(const char* what, Vision vision, const Closest& closest)
{
    std::printf("%-26s %-7s closest %-44s %5.1f\n", what, Name(vision), closest.pair.c_str(),
                closest.distance);
}

TEST(ColourVision, EveryTwoChipColoursStayApartInEveryColourVision)
{
    ASSERT_FALSE(sheet::Sheet().isNull());
    for (Vision vision : kVisions) {
        Closest closest;
        for (int a = 1; a <= 6; ++a)
            for (int b = a + 1; b <= 6; ++b)
                closest.Offer(DeltaE(Seen(ColourChipBody(a), vision), Seen(ColourChipBody(b), vision)),
                              kColourNames[a - 1], kColourNames[b - 1]);
        Print("chip colours", vision, closest);
        EXPECT_GE(closest.distance, kApart) << Name(vision) << ": " << closest.pair;
    }
}

TEST(ColourVision, NoAvailablePoolChipLooksLikeAnEliminatedOneInAnyColourVision)
{
    ASSERT_FALSE(sheet::Sheet().isNull());
    for (Vision vision : kVisions) {
        Closest closest;
        for (int available = 0; available < 36; ++available)
            for (int eliminated = 36; eliminated < 72; ++eliminated)
                closest.Offer(DeltaE(Seen(PoolChipBody(available), vision),
                                     Seen(PoolChipBody(eliminated), vision)),
                              PoolChipName(available), PoolChipName(eliminated));
        Print("available and eliminated", vision, closest);
        EXPECT_GE(closest.distance, kApart) << Name(vision) << ": " << closest.pair;
    }
}

// Published CIELAB values of the sRGB primaries; greys stay grey in every simulation, which a
// mistyped matrix entry would break.
TEST(ColourVision, TheColourMathsGivesPublishedValues)
{
    const Lab red = Seen(ToLinear(qRgb(255, 0, 0)), Vision::Normal);
    EXPECT_NEAR(red.L, 53.24, 0.01);
    EXPECT_NEAR(red.a, 80.09, 0.01);
    EXPECT_NEAR(red.b, 67.20, 0.01);
    const Lab blue = Seen(ToLinear(qRgb(0, 0, 255)), Vision::Normal);
    EXPECT_NEAR(blue.L, 32.30, 0.01);
    EXPECT_NEAR(blue.a, 79.19, 0.01);
    EXPECT_NEAR(blue.b, -107.86, 0.01);
    for (Vision vision : kVisions)
        for (int grey : {255, 128}) {
            const Lab seen = Seen(ToLinear(qRgb(grey, grey, grey)), vision);
            EXPECT_NEAR(seen.a, 0.0, 0.01) << Name(vision);
            EXPECT_NEAR(seen.b, 0.0, 0.01) << Name(vision);
        }
    EXPECT_NEAR(DeltaE({50, 10, -10}, {53, 14, -10}), 5.0, 1e-9);
}

}  // namespace
