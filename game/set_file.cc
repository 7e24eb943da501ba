#include "game/set_file.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

#include "game/default_set.h"
#include "platform/errors.h"
#include "platform/int_text.h"
#include "platform/profile_file.h"

namespace reki {
namespace {

constexpr char kListSection[] = "Secties";
constexpr char kCountKey[] = "Aantal";
constexpr char kKeyA[] = "1";
constexpr char kKeyB[] = "2";
// Only this much of a listed name is used to find its section.
constexpr std::size_t kNameLength = 40;

int CountOf(const ProfileFile& file) {
  return std::clamp(file.ReadInteger(kListSection, kCountKey, 0), 0, SetFile::kMaxSets);
}

}  // namespace

QString DefaultSetFilePath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/Rekiplus.ini");
}

SetFile::SetFile(QString path) : path_(std::move(path)) {}

int SetFile::Store(const GradedSet& set) const {
  const PackedResults packed = PackResults(set);
  const std::string name = SetNaam(set.numbers, set.target);
  // The user's configuration folder may not exist yet on a new account.
  if (path_ == DefaultSetFilePath()) {
    QDir().mkpath(QFileInfo(path_).absolutePath());
  }
  const ProfileLock lock(path_);
  ProfileFile file(path_);
  int count = CountOf(file);
  if (file.ReadString(name, kKeyA, "").empty()) {
    // A full list (only a file changed by hand gets there) takes no new set that it could not show.
    if (count >= kMaxSets) {
      throw WriteError(path_.toStdString());
    }
    ++count;
    file.WriteInteger(kListSection, kCountKey, count);
    file.WriteString(kListSection, IntToStr(count), name);
  }
  file.WriteString(name, kKeyA, packed.a);
  file.WriteString(name, kKeyB, packed.b);
  file.Save();
  return count;
}

PackedResults SetFile::ReadPacked(int k) const {
  const ProfileFile file(path_);
  const std::string name = file.ReadString(kListSection, IntToStr(k), "").substr(0, kNameLength);
  if (name.empty()) {
    return {};
  }
  return PackedResults{file.ReadString(name, kKeyA, ""), file.ReadString(name, kKeyB, "")};
}

std::optional<GradedSet> SetFile::Restore(int k) const {
  const PackedResults packed = k == 0 ? BuiltInDefaultSet() : ReadPacked(k);
  if (packed.a.empty()) {
    return std::nullopt;
  }
  return UnpackResults(packed);
}

int SetFile::ReadCount() const {
  return CountOf(ProfileFile(path_));
}

std::vector<std::string> SetFile::ReadNames(int count) const {
  const ProfileFile file(path_);
  std::vector<std::string> names;
  for (int k = 1; k <= count; ++k) {
    names.push_back(file.ReadString(kListSection, IntToStr(k), kMissingSetName));
  }
  return names;
}

}  // namespace reki
