#include "cli/graded_output.h"

#include <map>

namespace reki::cli {
namespace {

constexpr std::string_view kOtherBrackets = "met andere haakjes";

std::string Exercises(std::size_t count) {
  return std::to_string(count) + (count == 1 ? " opgave" : " opgaven");
}

}  // namespace

void PrintGradedSet(std::ostream& out, const GradedSet& set,
                    const std::vector<HiddenSolution>* hidden) {
  out << "Getallen:";
  for (const std::int32_t n : set.numbers) {
    out << ' ' << n;
  }
  out << "\nResultaat: " << set.target << "\nSet: " << SetNaam(set.numbers, set.target) << '\n';
  std::map<std::string, std::string> solutionOf;
  if (hidden != nullptr) {
    for (const HiddenSolution& h : *hidden) {
      solutionOf[ExerciseEntry(set.numbers, h.index)] = h.solution;
    }
  }
  const LevelLists lists = BuildLevelLists(set.numbers, set.levels);
  for (int level = 1; level <= kLevelCount; ++level) {
    const auto& entries = lists[level - 1];
    out << "\nNiveau " << level << ", " << LevelName(level) << ": " << Exercises(entries.size());
    if (hidden != nullptr && level == kImpossibleLevel) {
      out << ", waarvan " << hidden->size() << ' ' << kOtherBrackets << " wel op te lossen";
    }
    out << '\n';
    for (const auto& entry : entries) {
      out << entry;
      if (const auto found = solutionOf.find(entry); found != solutionOf.end()) {
        out << "   " << kOtherBrackets << ": " << found->second;
      }
      out << '\n';
    }
  }
}

nlohmann::json GradedSetJson(const GradedSet& set, const std::vector<HiddenSolution>* hidden) {
  const LevelLists lists = BuildLevelLists(set.numbers, set.levels);
  nlohmann::json levels = nlohmann::json::object();
  for (int level = 1; level <= kLevelCount; ++level) {
    levels[std::to_string(level)] = lists[level - 1];
  }
  const PackedResults packed = PackResults(set);
  nlohmann::json json = {
      {"numbers", set.numbers},
      {"target", set.target},
      {"levels", levels},
      {"table", set.levels},
      {"packed", {{"A", packed.a}, {"B", packed.b}, {"name", SetNaam(set.numbers, set.target)}}},
  };
  if (hidden != nullptr) {
    nlohmann::json list = nlohmann::json::array();
    for (const HiddenSolution& h : *hidden) {
      list.push_back({{"index", h.index},
                      {"entry", ExerciseEntry(set.numbers, h.index)},
                      {"solution", h.solution}});
    }
    json["hidden"] = list;
  }
  return json;
}

}  // namespace reki::cli
