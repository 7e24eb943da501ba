#include "tests/game/stress_sets.h"

#include "engine/grading.h"

namespace reki::testing {

GradedSet StressSet(int writer, std::int64_t index) {
  GradedSet set;
  set.target = static_cast<std::int32_t>(1 + index % kMaxTarget);
  // Number k lies in 1 + 9k .. 9 + 9k, so the ten are different and ascending; which of the nine
  // each one is comes from a digit (base 9) of the rest of the index and of the writer.
  std::int64_t digits = index / kMaxTarget + writer * 387420489;  // 9^9
  for (int k = 0; k < kNumberCount; ++k) {
    set.numbers[k] = static_cast<std::int32_t>(1 + 9 * k + digits % 9);
    digits /= 9;
  }
  std::uint64_t random = static_cast<std::uint64_t>(index) * 2654435761u + writer;
  for (auto& level : set.levels) {
    random = random * 6364136223846793005u + 1442695040888963407u;
    level = static_cast<std::uint8_t>((random >> 33) % kImpossibleLevel);
  }
  return set;
}

}  // namespace reki::testing
