// The set file Rekiplus.ini: the stored graded sets.
//
// Section "Secties" lists them: "Aantal" is their number N, keys "1".."N" their names in the order
// in which they were first stored. Each set has a section of its own, named by its SetNaam, whose
// keys "1" and "2" hold the two packed texts. Sets are only added or overwritten, never removed.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "engine/packing.h"

namespace reki {

// Rekiplus.ini in the user's configuration folder ($XDG_CONFIG_HOME, by default ~/.config).
QString DefaultSetFilePath();

// The name shown for an entry of the list that the file lacks.
inline constexpr char kMissingSetName[] = "0;0:0:0:0:0:0:0:0:0:0:";

class SetFile {
 public:
  explicit SetFile(QString path = DefaultSetFilePath());

  const QString& Path() const { return path_; }

  // Stores a graded set and returns the number of stored sets afterwards. A set stored before
  // keeps its place in the list and has its results overwritten. The whole read-modify-write
  // holds the file's lock and re-reads the file under it, so sets that another game stored in the
  // meantime are kept; the file is replaced atomically. Throws WriteError, also for a new set
  // when the list already holds kMaxSets.
  int Store(const GradedSet& set) const;

  // The packed texts of stored set k (1..N); empty texts when the entry or its keys are missing.
  PackedResults ReadPacked(int k) const;

  // Set k as it was graded: 0 is the built-in default set, k >= 1 stored set k. Nothing for a
  // set that is missing or whose stored texts break the format.
  std::optional<GradedSet> Restore(int k) const;

  // N, from "Aantal" (0 when missing). A count beyond kMaxSets (a file changed by hand) is
  // taken as kMaxSets, a negative one as 0, so a damaged file cannot make the grid unusable.
  int ReadCount() const;
  static constexpr int kMaxSets = 9999;

  // The names of entries 1..count, the missing ones as kMissingSetName.
  std::vector<std::string> ReadNames(int count) const;

 private:
  QString path_;
};

}  // namespace reki
