// How rekicalc prints the target advisor's table: as a readable table, as CSV or as JSON.
#pragma once

#include <nlohmann/json.hpp>
#include <ostream>
#include <vector>

#include "engine/advisor.h"

namespace reki::cli {

// The numbers, a heading that says which targets follow, the table and a line on its last column.
// With everyTarget false only the targets with exercises at every playable level are shown, best
// spread first; with everyTarget true all targets 1..999 in order.
void PrintAdvice(std::ostream& out, const NumberSet& numbers,
                 const std::vector<TargetAdvice>& table, bool everyTarget);

// One header line, then one line per target 1..999:
// resultaat,niveau_1,...,niveau_6,andere_haakjes
void PrintAdviceCsv(std::ostream& out, const std::vector<TargetAdvice>& table);

// {"numbers": [...], "targets": [{"target", "levels": [6 sizes], "hidden_solutions",
//  "every_playable_level"}, ...]}
nlohmann::json AdviceJson(const NumberSet& numbers, const std::vector<TargetAdvice>& table);

}  // namespace reki::cli
