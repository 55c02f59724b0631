// One tick of the about box's falling letters: at the box's size, and with the most drops.
#include "dialogs/falling_letters.h"

#include <benchmark/benchmark.h>

namespace {
void BM_FallingLettersTick(benchmark::State& state)
{
    TFallingLetters letters(QStringLiteral("kel"));
    letters.Start(QSize(static_cast<int>(state.range(0)), 374));
    for (auto _ : state)
        letters.Tick();
    state.counters["drops"] = static_cast<double>(letters.Drops().size());
}
} // namespace

// 452 is the about box's outer width; 20,008 is the narrowest that reaches 5,000 drops.
BENCHMARK(BM_FallingLettersTick)->Arg(452)->Arg(20008)->Unit(benchmark::kMicrosecond);
