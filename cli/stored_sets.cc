#include "cli/stored_sets.h"

#include <iomanip>

#include "cli/arguments.h"
#include "platform/int_text.h"

namespace reki::cli {
namespace {

struct ListedSet {
  int k;
  std::string name;
  std::optional<GradedSet> set;
};

std::vector<ListedSet> ListSets(const SetFile& file) {
  const std::vector<std::string> names = file.ReadNames(file.ReadCount());
  std::vector<ListedSet> sets;
  for (int k = 1; k <= static_cast<int>(names.size()); ++k) {
    sets.push_back({k, names[k - 1], file.Restore(k)});
  }
  return sets;
}

}  // namespace

SetFile SetFileAt(const std::string& path) {
  return path.empty() ? SetFile() : SetFile(QString::fromStdString(path));
}

GradedSet LoadSet(const SetFile& file, const std::string& k) {
  const std::int32_t number = ParseWholeNumber(k, "set");
  const int count = file.ReadCount();
  if (number < 0 || number > count) {
    throw UsageError("set " + k + " bestaat niet: er " +
                     (count == 1 ? "is 1 opgeslagen set"
                                 : "zijn " + std::to_string(count) + " opgeslagen sets") +
                     " (0 is de ingebouwde set)");
  }
  std::optional<GradedSet> set = file.Restore(number);
  if (!set) {
    throw WorkError("set " + k + " in " + file.Path().toStdString() + " is onleesbaar");
  }
  return *set;
}

void PrintSetList(std::ostream& out, const SetFile& file) {
  const std::vector<ListedSet> sets = ListSets(file);
  out << "Opgeslagen sets in " << file.Path().toStdString() << ": " << sets.size() << '\n';
  for (const ListedSet& listed : sets) {
    out << std::setw(4) << listed.k << "  ";
    if (listed.set) {
      out << "resultaat " << std::setw(3) << listed.set->target << "  getallen";
      for (const std::int32_t n : listed.set->numbers) {
        out << ' ' << n;
      }
      out << '\n';
    } else {
      out << "onleesbaar (" << listed.name << ")\n";
    }
  }
}

nlohmann::json SetListJson(const SetFile& file) {
  nlohmann::json sets = nlohmann::json::array();
  for (const ListedSet& listed : ListSets(file)) {
    nlohmann::json entry = {
        {"set", listed.k}, {"name", listed.name}, {"readable", listed.set.has_value()}};
    if (listed.set) {
      entry["target"] = listed.set->target;
      entry["numbers"] = listed.set->numbers;
    }
    sets.push_back(entry);
  }
  return {{"file", file.Path().toStdString()}, {"sets", sets}};
}

}  // namespace reki::cli
