// Run: build/bench/engine_bench
#include <benchmark/benchmark.h>

#include "engine/grading.h"
#include "engine/solver.h"

namespace reki {
namespace {

void BM_FindSolutionsCountOnly(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(FindSolutions(3, 7, 12, 24, 36, false));
  }
}
BENCHMARK(BM_FindSolutionsCountOnly);

void BM_FindSolutionsWithLines(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(FindSolutions(1, 2, 3, 4, 10, true));
  }
}
BENCHMARK(BM_FindSolutionsWithLines);

void BM_GradeDefaultSet(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(GradeSet(kDefaultNumbers, 24));
  }
}
BENCHMARK(BM_GradeDefaultSet)->Unit(benchmark::kMillisecond);

void BM_GradeTwoDigitSet(benchmark::State& state) {
  const NumberSet numbers = {3, 7, 12, 19, 25, 31, 44, 58, 77, 99};
  for (auto _ : state) {
    benchmark::DoNotOptimize(GradeSet(numbers, 36));
  }
}
BENCHMARK(BM_GradeTwoDigitSet)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace reki

BENCHMARK_MAIN();
