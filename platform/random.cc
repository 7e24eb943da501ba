#include "platform/random.h"

#include <chrono>

#include "platform/errors.h"

namespace reki {

Random::Random() {
  SeedFromClock();
}

void Random::SeedFromClock() {
  engine_.seed(static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

int Random::Next(int n) {
  if (n < 1) {
    throw ListIndexError();
  }
  return std::uniform_int_distribution<int>(0, n - 1)(engine_);
}

}  // namespace reki
