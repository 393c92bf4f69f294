// A whole headless game: setup, every drop and guess of every round, to the game's end.
#include <benchmark/benchmark.h>

#include "BenchTable.h"
#include "HeadlessGame.h"

static void WholeGame(benchmark::State& state)
{
    const int v = static_cast<int>(state.range(0));
    HeadlessGame g(v, 1);
    g.engine.StartFirstGame();
    for (auto _ : state) {
        // Three misses on SHAPES and five on COLORS each round: 12 drops + 4 guesses per miss.
        for (int round = 0; round < g.engine.m_nRoundsPerGame; ++round) {
            if (round > 0) g.engine.OnNextRound();
            g.PlayRound(3, 5);
        }
        benchmark::DoNotOptimize(g.engine.GameTotal());
        g.engine.OnNewGame();
    }
}
BENCHMARK(WholeGame)->Arg(0)->Arg(1)->Arg(2);

int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv, "headless");
}
