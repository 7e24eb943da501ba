// Run: build/bench/engine_bench
// Each fast path is measured beside the reference path it replaces, in the same run.
#include <benchmark/benchmark.h>

#include "engine/advisor.h"
#include "engine/complete_search.h"
#include "engine/fast_count.h"
#include "engine/grading.h"
#include "engine/solver.h"

namespace reki {
namespace {

const NumberSet kTwoDigitNumbers = {3, 7, 12, 19, 25, 31, 44, 58, 77, 99};

// Grading as it was done before the fast count: the solver without lines, exercise by exercise.
LevelTable GradeSetWithSolver(const NumberSet& numbers, std::int32_t target) {
  LevelTable table{};
  for (std::int32_t index = 0; index < kCombinationCount; ++index) {
    const auto [a, b, c, d] = ExerciseNumbers(numbers, UnrankCombination(index));
    table[index] = static_cast<std::uint8_t>(
        LevelForCount(FindSolutions(a, b, c, d, target, false).count) - 1);
  }
  return table;
}

// One exercise, one target.

void BM_Exercise_Reference_FindSolutionsCountOnly(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(FindSolutions(3, 7, 12, 24, 36, false));
  }
}
BENCHMARK(BM_Exercise_Reference_FindSolutionsCountOnly);

void BM_Exercise_Fast_CountSolutions(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(CountSolutions(3, 7, 12, 24, 36));
  }
}
BENCHMARK(BM_Exercise_Fast_CountSolutions);

void BM_Exercise_Fast_CountSolutionsForAllTargets(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(CountSolutionsForAllTargets(3, 7, 12, 24));
  }
}
BENCHMARK(BM_Exercise_Fast_CountSolutionsForAllTargets);

void BM_Exercise_FindSolutionsWithLines(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(FindSolutions(1, 2, 3, 4, 10, true));
  }
}
BENCHMARK(BM_Exercise_FindSolutionsWithLines);

// One set: 715 exercises, one target.

void BM_GradeDefaultSet_Reference(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(GradeSetWithSolver(kDefaultNumbers, 24));
  }
}
BENCHMARK(BM_GradeDefaultSet_Reference)->Unit(benchmark::kMillisecond);

void BM_GradeDefaultSet_Fast(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(GradeSet(kDefaultNumbers, 24));
  }
}
BENCHMARK(BM_GradeDefaultSet_Fast)->Unit(benchmark::kMillisecond);

void BM_GradeTwoDigitSet_Reference(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(GradeSetWithSolver(kTwoDigitNumbers, 36));
  }
}
BENCHMARK(BM_GradeTwoDigitSet_Reference)->Unit(benchmark::kMillisecond);

void BM_GradeTwoDigitSet_Fast(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(GradeSet(kTwoDigitNumbers, 36));
  }
}
BENCHMARK(BM_GradeTwoDigitSet_Fast)->Unit(benchmark::kMillisecond);

// The complete search of one set for one target.
void BM_HiddenSolutionsTwoDigitSet(benchmark::State& state) {
  const LevelTable levels = GradeSet(kTwoDigitNumbers, 36);
  for (auto _ : state) {
    benchmark::DoNotOptimize(FindHiddenSolutions(kTwoDigitNumbers, 36, levels));
  }
}
BENCHMARK(BM_HiddenSolutionsTwoDigitSet)->Unit(benchmark::kMillisecond);

// The advisor: 715 exercises for all 999 targets, with the complete search. The reference path
// would grade 999 sets with the solver (999 times BM_Grade*_Reference, some 40 s); grading 999 sets
// with the fast single-target count shows what the one pass over every exercise saves.

void BM_AdviseTwoDigitSet(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(AdviseTargets(kTwoDigitNumbers));
  }
}
BENCHMARK(BM_AdviseTwoDigitSet)->Unit(benchmark::kMillisecond);

void BM_AdviseDefaultSet(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(AdviseTargets(kDefaultNumbers));
  }
}
BENCHMARK(BM_AdviseDefaultSet)->Unit(benchmark::kMillisecond);

void BM_AdviseTwoDigitSet_GradeEveryTargetFast(benchmark::State& state) {
  for (auto _ : state) {
    for (std::int32_t t = kMinTarget; t <= kMaxTarget; ++t) {
      benchmark::DoNotOptimize(GradeSet(kTwoDigitNumbers, t));
    }
  }
}
BENCHMARK(BM_AdviseTwoDigitSet_GradeEveryTargetFast)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace reki

BENCHMARK_MAIN();
