// How rekicalc prints a graded set: as readable text for a teacher, or as JSON for scripts.
#pragma once

#include <nlohmann/json.hpp>
#include <ostream>

#include "engine/packing.h"

namespace reki::cli {

// The numbers, the target, the set's name, then each level with its name, size and entries.
void PrintGradedSet(std::ostream& out, const GradedSet& set);

// {"numbers", "target", "levels": {"1": [...], ..., "6": [...]}, "table": [715 codes],
//  "packed": {"A", "B", "name"}}
nlohmann::json GradedSetJson(const GradedSet& set);

}  // namespace reki::cli
