// Any bytes as the set file Rekiplus.ini. Reading it must never crash or read past an end; a set
// whose stored texts are damaged is unreadable, and a set that is read back is exactly what was
// stored (it packs to the very same texts). Storing a set into the file afterwards must keep
// every set that could be read before, and the new set must read back exactly.
#include <QFile>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/grading.h"
#include "engine/packing.h"
#include "game/default_set.h"
#include "game/set_file.h"
#include "platform/profile_file.h"
#include "tests/fuzz/fuzz_check.h"

namespace reki {
namespace {

// Entries beyond these are read like the first ones, so checking them adds only time.
constexpr int kCheckedEntries = 24;
// Only this much of a listed name finds its section.
constexpr std::size_t kNameLength = 40;

QString SetFilePath() {
  static const QString path = fuzz::WorkFolder() + QStringLiteral("/Rekiplus.ini");
  return path;
}

void WriteBytes(const QString& path, const std::uint8_t* data, std::size_t size) {
  QFile file(path);
  FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  FUZZ_CHECK(file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) ==
             static_cast<qint64>(size));
}

bool IsSound(const GradedSet& set) {
  return IsValidNumberSet(set.numbers) && set.target >= kMinTarget && set.target <= kMaxTarget &&
         std::all_of(set.levels.begin(), set.levels.end(),
                     [](std::uint8_t level) { return level < kImpossibleLevel; });
}

struct Entry {
  std::string name;
  std::optional<GradedSet> set;
};

// Reads the listed entries as the saved-set grid and the game read them, checking each.
std::vector<Entry> ReadAndCheck(const SetFile& file) {
  const int count = file.ReadCount();
  FUZZ_CHECK(count >= 0 && count <= SetFile::kMaxSets);
  const int checked = std::min(count, kCheckedEntries);
  const std::vector<std::string> names = file.ReadNames(checked);
  FUZZ_CHECK(static_cast<int>(names.size()) == checked);

  std::vector<Entry> entries;
  for (int k = 1; k <= checked + 1; ++k) {
    const PackedResults packed = file.ReadPacked(k);
    const std::optional<GradedSet> set = file.Restore(k);
    if (set) {
      FUZZ_CHECK(IsSound(*set));
      FUZZ_CHECK(PackResults(*set) == packed);
    }
    if (k <= checked) {
      entries.push_back({names[k - 1], set});
    }
  }
  const std::optional<GradedSet> builtIn = file.Restore(0);
  FUZZ_CHECK(builtIn && PackResults(*builtIn) == BuiltInDefaultSet());
  return entries;
}

// A sound set chosen by the input, so that every run stores another one.
GradedSet SetFromBytes(const std::uint8_t* data, std::size_t size) {
  std::uint32_t hash = 2166136261u;
  for (std::size_t i = 0; i < size; ++i) {
    hash = (hash ^ data[i]) * 16777619u;
  }
  GradedSet set;
  set.target = static_cast<std::int32_t>(1 + hash % 999);
  for (int i = 0; i < kNumberCount; ++i) {
    set.numbers[i] = 1 + i * 9 + static_cast<std::int32_t>((hash >> (i % 4 * 8)) % 9);
  }
  for (int n = 0; n < kCombinationCount; ++n) {
    hash = hash * 1103515245u + 12345u;
    set.levels[n] = static_cast<std::uint8_t>((hash >> 16) % kImpossibleLevel);
  }
  return set;
}

void StoreAndCheck(const SetFile& file, const std::vector<Entry>& before, const GradedSet& set) {
  const std::string name = SetNaam(set.numbers, set.target);
  const bool isNew = ProfileFile(file.Path()).ReadString(name, "1", "").empty();
  const int stored = file.Store(set);

  const ProfileFile raw(file.Path());
  const PackedResults packed = PackResults(set);
  FUZZ_CHECK(raw.ReadString(name, "1", "") == packed.a);
  FUZZ_CHECK(raw.ReadString(name, "2", "") == packed.b);
  if (stored <= SetFile::kMaxSets) {
    FUZZ_CHECK(file.ReadCount() == stored);
    if (isNew) {
      FUZZ_CHECK(file.Restore(stored) == set);  // a new set is listed last
    }
  }

  const std::vector<Entry> after = ReadAndCheck(file);
  for (std::size_t i = 0; i < before.size(); ++i) {
    const int k = static_cast<int>(i) + 1;
    if (k == stored || !before[i].set) {
      continue;  // the new set may take the place of the entry that the count points at
    }
    FUZZ_CHECK(i < after.size() && after[i].name == before[i].name);
    const bool sameSection = before[i].name.substr(0, kNameLength) == name;
    FUZZ_CHECK(after[i].set == (sameSection ? set : before[i].set));
  }
}

}  // namespace
}  // namespace reki

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace reki;
  const QString path = SetFilePath();
  WriteBytes(path, data, size);
  const SetFile file(path);
  const std::vector<Entry> before = ReadAndCheck(file);
  StoreAndCheck(file, before, SetFromBytes(data, size));
  return 0;
}
