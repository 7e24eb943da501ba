// How rekicalc prints a graded set: as readable text for a teacher, or as JSON for scripts.
#pragma once

#include <nlohmann/json.hpp>
#include <ostream>
#include <vector>

#include "engine/complete_search.h"
#include "engine/packing.h"

namespace reki::cli {

// The numbers, the target, the set's name, then each level with its name, size and entries. With
// hidden solutions (not null), the "Onmogelijk" exercises that other brackets solve carry one
// solution and the level's heading says how many there are.
void PrintGradedSet(std::ostream& out, const GradedSet& set,
                    const std::vector<HiddenSolution>* hidden = nullptr);

// {"numbers", "target", "levels": {"1": [...], ..., "6": [...]}, "table": [715 codes],
//  "packed": {"A", "B", "name"}}, and with hidden solutions also
//  "hidden": [{"index", "entry", "solution"}, ...].
nlohmann::json GradedSetJson(const GradedSet& set,
                             const std::vector<HiddenSolution>* hidden = nullptr);

}  // namespace reki::cli
