// The sets that the storage tests store from other processes: each writer has sets of its own,
// and the name of a set tells its whole contents, so a reader knows what every entry must hold.
#pragma once

#include <cstdint>

#include "engine/packing.h"

namespace reki::testing {

// Set number `index` (0 and up) of writer `writer` (0..8): another name for every pair, the ten
// numbers sorted, and level codes that follow from the pair.
GradedSet StressSet(int writer, std::int64_t index);

}  // namespace reki::testing
