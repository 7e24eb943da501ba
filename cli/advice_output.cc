#include "cli/advice_output.h"

#include <iomanip>

namespace reki::cli {
namespace {

constexpr std::string_view kTargetHeading = "Resultaat";
constexpr std::string_view kHiddenHeading = "Andere haakjes";

void PrintNumbers(std::ostream& out, const NumberSet& numbers) {
  out << "Getallen:";
  for (const std::int32_t n : numbers) {
    out << ' ' << n;
  }
  out << '\n';
}

// Each column is as wide as its heading: the target, the six level names, the hidden solutions.
void PrintRows(std::ostream& out, const std::vector<TargetAdvice>& rows) {
  out << kTargetHeading;
  for (int level = 1; level <= kLevelCount; ++level) {
    out << "  " << LevelName(level);
  }
  out << "  " << kHiddenHeading << '\n';
  for (const TargetAdvice& row : rows) {
    out << std::setw(static_cast<int>(kTargetHeading.size())) << row.target;
    for (int level = 1; level <= kLevelCount; ++level) {
      out << "  " << std::setw(static_cast<int>(LevelName(level).size()))
          << row.levelSizes[level - 1];
    }
    out << "  " << std::setw(static_cast<int>(kHiddenHeading.size())) << row.hiddenSolutions
        << '\n';
  }
}

}  // namespace

void PrintAdvice(std::ostream& out, const NumberSet& numbers,
                 const std::vector<TargetAdvice>& table, bool everyTarget) {
  PrintNumbers(out, numbers);
  if (everyTarget) {
    out << "Alle resultaten van 1 tot en met 999, met het aantal opgaven per niveau:\n\n";
    PrintRows(out, table);
  } else {
    const std::vector<TargetAdvice> best = BestSpreadFirst(table);
    if (best.empty()) {
      out << "Geen resultaat geeft opgaven op alle vijf speelbare niveaus; --all toont alle "
             "resultaten.\n";
      return;
    }
    out << best.size() << (best.size() == 1 ? " resultaat geeft" : " resultaten geven")
        << " opgaven op alle vijf speelbare niveaus, de beste spreiding eerst:\n\n";
    PrintRows(out, best);
  }
  out << '\n'
      << kHiddenHeading << ": opgaven die het spel \"" << LevelName(kImpossibleLevel)
      << "\" noemt, maar die met andere haakjes wel kunnen.\n";
}

void PrintAdviceCsv(std::ostream& out, const std::vector<TargetAdvice>& table) {
  out << "resultaat";
  for (int level = 1; level <= kLevelCount; ++level) {
    out << ",niveau_" << level;
  }
  out << ",andere_haakjes\n";
  for (const TargetAdvice& row : table) {
    out << row.target;
    for (const std::int32_t size : row.levelSizes) {
      out << ',' << size;
    }
    out << ',' << row.hiddenSolutions << '\n';
  }
}

nlohmann::json AdviceJson(const NumberSet& numbers, const std::vector<TargetAdvice>& table) {
  nlohmann::json targets = nlohmann::json::array();
  for (const TargetAdvice& row : table) {
    targets.push_back({{"target", row.target},
                       {"levels", row.levelSizes},
                       {"hidden_solutions", row.hiddenSolutions},
                       {"every_playable_level", HasEveryPlayableLevel(row)}});
  }
  return {{"numbers", numbers}, {"targets", targets}};
}

}  // namespace reki::cli
