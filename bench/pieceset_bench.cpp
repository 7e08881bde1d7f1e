// Micro-benchmarks of the descriptor transform and the run's planning arithmetic.

#include "pieceset/Descriptor.h"
#include "pieceset/PieceSetFormat.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ScrambleText(benchmark::State& state) {
    const std::string payload = tirnel::MakePayload("2048", true, 123456);
    for (auto _ : state) benchmark::DoNotOptimize(tirnel::ScrambleText(payload));
}
BENCHMARK(BM_ScrambleText);

void BM_ReadDescriptor(benchmark::State& state) {
    const std::string bytes = *tirnel::DescriptorBytes("归档文件.tar.gz", tirnel::MakePayload("100", false, 7));
    for (auto _ : state) {
        tirnel::DescriptorError error;
        benchmark::DoNotOptimize(tirnel::ParseDescriptor(bytes, error));
    }
}
BENCHMARK(BM_ReadDescriptor);

void BM_UnshuffleLong(benchmark::State& state) {
    const std::string text(static_cast<std::size_t>(state.range(0)), 'x');
    for (auto _ : state) benchmark::DoNotOptimize(tirnel::UnshuffleText(text));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_UnshuffleLong)->Range(64, 64 << 10)->Complexity();

void BM_Planning(benchmark::State& state) {
    std::int64_t length = 5LL << 30;
    for (auto _ : state) {
        for (std::int64_t n = 1024; n < (4LL << 30); n *= 3) {
            benchmark::DoNotOptimize(tirnel::ChunkCount(length, n));
            benchmark::DoNotOptimize(tirnel::RoundedPercent(n % 977, 977));
        }
    }
}
BENCHMARK(BM_Planning);

}  // namespace
