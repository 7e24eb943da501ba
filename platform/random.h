// The program's random generator, seeded once from the clock; tests seed it themselves.
#pragma once

#include <cstdint>
#include <random>

namespace reki {

class Random {
 public:
  Random();

  void SeedFromClock();
  void Seed(std::uint64_t seed) { engine_.seed(seed); }

  // A uniformly drawn number 0..n-1 (n at least 1).
  int Next(int n);

 private:
  std::mt19937_64 engine_;
};

}  // namespace reki
