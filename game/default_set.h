// The built-in graded default set: the numbers 1..10 with target 24.
#pragma once

#include "engine/packing.h"

namespace reki {

PackedResults BuiltInDefaultSet();

}  // namespace reki
