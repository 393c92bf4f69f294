// Thousands of seeded games in all three variants under random actions (RandomPlay.h): after every
// step the state is one the rules can reach.
#include <gtest/gtest.h>

#include <cstdio>

#include "RandomPlay.h"

namespace {

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VANTEL_UNDER_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(VANTEL_UNDER_ASAN)
// The sanitizer build looks for memory faults and undefined behaviour, which a quarter of the games
// meet as well as all of them; every allocation costs many times more there.
constexpr uint32_t kSeeds = 75;
#else
constexpr uint32_t kSeeds = 300;
#endif
constexpr int kStepsPerSeed = 7000;

}  // namespace

TEST(RandomPlay, EveryStepLeavesAStateTheRulesAllow)
{
    int games = 0;
    int steps = 0;
    int byVariant[3] = {};
    for (uint32_t seed = 1; seed <= kSeeds; ++seed) {
        HeadlessGame g(-1, seed);
        RandomPlay play(g, g.host, seed, [&g](int v) { g.SetStoredVariant(v); });
        play.Play(kStepsPerSeed);
        if (HasFatalFailure()) return;
        games += play.FinishedGames();
        steps += play.Steps();
        for (int v = 0; v < 3; ++v) byVariant[v] += play.FinishedIn(v);
    }
    std::printf("Random play: %d games finished in %d steps (variants 0/1/2: %d/%d/%d)\n", games, steps,
                byVariant[0], byVariant[1], byVariant[2]);
    RecordProperty("games", games);
    for (int v = 0; v < 3; ++v)
        EXPECT_GT(byVariant[v], 25 * static_cast<int>(kSeeds) / 75) << "variant " << v;
}
