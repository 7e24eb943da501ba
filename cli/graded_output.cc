#include "cli/graded_output.h"

namespace reki::cli {

void PrintGradedSet(std::ostream& out, const GradedSet& set) {
  out << "Getallen:";
  for (const std::int32_t n : set.numbers) {
    out << ' ' << n;
  }
  out << "\nResultaat: " << set.target << "\nSet: " << SetNaam(set.numbers, set.target) << '\n';
  const LevelLists lists = BuildLevelLists(set.numbers, set.levels);
  for (int level = 1; level <= kLevelCount; ++level) {
    const auto& entries = lists[level - 1];
    out << "\nNiveau " << level << ", " << LevelName(level) << ": " << entries.size()
        << (entries.size() == 1 ? " opgave" : " opgaven") << '\n';
    for (const auto& entry : entries) {
      out << entry << '\n';
    }
  }
}

nlohmann::json GradedSetJson(const GradedSet& set) {
  const LevelLists lists = BuildLevelLists(set.numbers, set.levels);
  nlohmann::json levels = nlohmann::json::object();
  for (int level = 1; level <= kLevelCount; ++level) {
    levels[std::to_string(level)] = lists[level - 1];
  }
  const PackedResults packed = PackResults(set);
  return {
      {"numbers", set.numbers},
      {"target", set.target},
      {"levels", levels},
      {"table", set.levels},
      {"packed", {{"A", packed.a}, {"B", packed.b}, {"name", SetNaam(set.numbers, set.target)}}},
  };
}

}  // namespace reki::cli
