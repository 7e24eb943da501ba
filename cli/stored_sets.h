// rekicalc's view of the sets that the game restores without computing: the built-in default set
// (number 0) and the sets stored in the set file (1..N), read with the game's own code.
#pragma once

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>

#include "engine/packing.h"
#include "game/set_file.h"

namespace reki::cli {

// The set file to read: the given path, or the game's own file when it is empty.
SetFile SetFileAt(const std::string& path);

// Set k of the file, as the game would restore it. Throws UsageError for a number that names no
// set, and WorkError for a set whose stored texts are damaged.
GradedSet LoadSet(const SetFile& file, const std::string& k);


// The stored sets, one line each: number, target, ten numbers, readable or not.
void PrintSetList(std::ostream& out, const SetFile& file);

// {"file", "sets": [{"set", "name", "target", "numbers", "readable"}, ...]}
nlohmann::json SetListJson(const SetFile& file);

}  // namespace reki::cli
