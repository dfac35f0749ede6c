// The batch body against its floor: the same LCG, stepped as often, with
// each draw reduced and stored, and nothing else.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "batch_state.h"
#include "charlists.h"
#include "outputer.h"
#include "random_source.h"

namespace {

using namespace kestrune;

void BM_Batch_100x30(benchmark::State& state)
{
    kestrune::srand(12345);
    charlist = CHARLIST_MIXED_SYMBOLS;
    count = 100;
    size = 30;
    for (auto _ : state) {
        output_batch();
        benchmark::DoNotOptimize(output_text);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Batch_100x30);

char floor_buffer[3000];

void BM_BareLcg_3000(benchmark::State& state)
{
    std::uint32_t lcg = 12345;
    for (auto _ : state) {
        for (int i = 0; i < 3000; ++i) {
            lcg = lcg * 22695477u + 1u;
            floor_buffer[i] = static_cast<char>(((lcg >> 16) & 0x7FFF) % 75);
        }
        benchmark::DoNotOptimize(floor_buffer);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BareLcg_3000);

}  // namespace

BENCHMARK_MAIN();
