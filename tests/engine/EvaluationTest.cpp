#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "Evaluation.h"
#include "HeadlessGame.h"

namespace {

Feedback Eval(std::vector<int32_t> guess, std::vector<int32_t> code)
{
    return Evaluate(guess.data(), code.data(), static_cast<int>(code.size()));
}

// The counting formulation: exact matches, then for each value the smaller of its
// occurrences among the unmatched guess slots and the unmatched code slots.
Feedback Count(const std::vector<int32_t>& guess, const std::vector<int32_t>& code)
{
    Feedback f;
    int inGuess[7] = {}, inCode[7] = {};
    for (size_t k = 0; k < code.size(); ++k) {
        if (guess[k] == code[k]) {
            ++f.exact;
        } else {
            ++inGuess[guess[k]];
            ++inCode[code[k]];
        }
    }
    for (int v = 1; v <= 6; ++v) f.present += std::min(inGuess[v], inCode[v]);
    return f;
}

}  // namespace

TEST(Evaluation, RepeatedValuesTakeOneMatchEach)
{
    Feedback f = Eval({1, 1, 2, 2}, {1, 2, 3, 4});
    EXPECT_EQ(f.exact, 1);
    EXPECT_EQ(f.present, 1);

    f = Eval({2, 2, 1, 1}, {1, 1, 2, 2});
    EXPECT_EQ(f.exact, 0);
    EXPECT_EQ(f.present, 4);

    f = Eval({1, 1, 1, 1}, {1, 1, 2, 2});
    EXPECT_EQ(f.exact, 2);
    EXPECT_EQ(f.present, 0);
}

TEST(Evaluation, ThreeSlotCodesCompareThreeSlots)
{
    Feedback f = Eval({3, 1, 2}, {1, 2, 3});
    EXPECT_EQ(f.exact, 0);
    EXPECT_EQ(f.present, 3);
    f = Eval({1, 2, 3}, {1, 2, 3});
    EXPECT_EQ(f.exact, 3);
}

TEST(Evaluation, AgreesWithTheCountingRule)
{
    std::mt19937 gen(7);
    std::uniform_int_distribution<int> value(1, 6);
    for (int n : {3, 4}) {
        for (int i = 0; i < 20000; ++i) {
            // Few distinct values so that repeats are common.
            std::uniform_int_distribution<int> narrow(1, 1 + i % 6);
            std::vector<int32_t> guess(n), code(n);
            for (int k = 0; k < n; ++k) {
                guess[k] = narrow(gen);
                code[k] = i % 2 ? narrow(gen) : value(gen);
            }
            const Feedback a = Eval(guess, code);
            const Feedback b = Count(guess, code);
            ASSERT_EQ(a.exact, b.exact);
            ASSERT_EQ(a.present, b.present);
        }
    }
}

TEST(Evaluation, PegsGoExactThenPresentThenNoMatch)
{
    HeadlessGame g;
    g.engine.StartFirstGame();
    // Put a known code in place and guess against it.
    const int code[4] = {1, 2, 3, 4};
    std::copy(code, code + 4, g.engine.m_nCodeShapes);
    g.Fill(board::kShapes, {4, 2, 1, 1});   // slot 1 exact; 4 and 1 present elsewhere
    g.Press(board::kShapes);
    EXPECT_EQ(std::vector<int>(g.engine.m_nShapesPegs[0], g.engine.m_nShapesPegs[0] + 4),
              (std::vector<int>{peg::kExact, peg::kPresent, peg::kPresent, peg::kNoMatch}));
}
