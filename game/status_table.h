// What each game status does to the main window, in one place.
//
// kControlTable says, per control, what each status does to its visibility or to whether it is
// enabled (timers: whether they run); kStatusActions holds what a status does beyond that. Both
// are read by ZetSpelStatus and by nothing else in the game.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "game/layout.h"

namespace reki {

inline constexpr std::array<int, 7> kStatuses = {10, 11, 15, 20, 30, 40, 50};

// What a status does to one property: set it, clear it, or leave it as it is.
enum class Set : char { kKeep, kOn, kOff };

enum class Property : char { kVisible, kEnabled };

struct ControlRow {
  // The object name of a control, menu item or timer; a trailing '*' stands for every child of
  // the window whose name begins with the rest.
  std::string_view control;
  Property property;
  // One value per status, in the order of kStatuses.
  std::array<Set, kStatuses.size()> perStatus;
};

namespace status_values {
inline constexpr Set K = Set::kKeep;
inline constexpr Set S = Set::kOn;
inline constexpr Set H = Set::kOff;
inline constexpr Property Visible = Property::kVisible;
inline constexpr Property Enabled = Property::kEnabled;
}  // namespace status_values

inline constexpr auto kControlTable = [] {
  using namespace status_values;
  return std::to_array<ControlRow>({
      // Menu items                           10 11 15 20 30 40 50
      {"Bereken1", Visible, /*            */ {H, H, H, H, H, H, H}},
      {"Annuleren1", Visible, /*          */ {S, S, H, H, H, H, H}},
      {"Anders1", Visible, /*             */ {H, H, S, H, H, H, H}},
      {"Oplossing1", Visible, /*          */ {H, H, H, H, S, H, H}},
      {"OpgaveKiezen1", Visible, /*       */ {H, H, H, S, H, K, H}},
      {"NiveauKiezen1", Visible, /*       */ {H, H, H, S, H, K, H}},
      // Panels
      {"AanmaakPanel", Visible, /*        */ {S, S, H, H, H, H, H}},
      {"GridPanel", Visible, /*           */ {H, H, S, H, H, H, H}},
      {"NiveauPanel", Visible, /*         */ {H, H, H, S, H, H, H}},
      {"RekenPanel", Visible, /*          */ {H, H, H, S, S, S, H}},
      {"AntwoordPanel", Visible, /*       */ {H, H, H, H, H, S, S}},
      {"PlaatjesPanel", Visible, /*       */ {S, S, H, H, S, H, H}},
      {"DocentPanel", Visible, /*         */ {H, H, H, H, H, H, S}},
      {"GoedFoutPanel", Visible, /*       */ {H, H, H, K, H, S, H}},  // 20: see kStatusActions
      {"StatusPanel", Visible, /*         */ {H, H, H, H, S, H, H}},
      {"InfoPanel", Visible, /*           */ {S, S, S, K, H, H, S}},  // 20: see kStatusActions
      // Timers
      {"PlaatjesTimer", Enabled, /*       */ {S, S, H, H, H, H, H}},
      {"StatusTimer", Enabled, /*         */ {K, K, K, H, S, H, H}},
      // Entry controls: the gauge takes the button's place while computing
      {"BerekenButton", Visible, /*       */ {H, S, K, K, K, K, K}},
      {"WachtGauge", Visible, /*          */ {S, H, K, K, K, K, K}},
      {"QuotumEdit", Enabled, /*          */ {H, S, K, K, K, K, K}},
      {"GetalEdit*", Enabled, /*          */ {H, S, K, K, K, K, K}},
      // Calculator
      {"G1", Enabled, /*                  */ {K, K, K, H, S, H, K}},
      {"G2", Enabled, /*                  */ {K, K, K, H, S, H, K}},
      {"G3", Enabled, /*                  */ {K, K, K, H, S, H, K}},
      {"G4", Enabled, /*                  */ {K, K, K, H, S, H, K}},
      {"R1", Enabled, /*                  */ {K, K, K, H, H, H, K}},
      {"R2", Enabled, /*                  */ {K, K, K, H, H, H, K}},
      {"R3", Enabled, /*                  */ {K, K, K, H, H, H, K}},
      {"OplossingButton", Enabled, /*     */ {K, K, K, H, S, H, K}},
      {"FoutButton", Enabled, /*          */ {K, K, K, H, S, S, K}},
  });
}();

// Captions that a status writes.
enum class Captions : char {
  kUntouched,
  kEmptyCalculator,  // G1..G4 and R1..R3 emptied
  kExercise,         // G1..G4 and the pictures take Edit1..Edit4, R1..R3 emptied
  kRandomPictures,   // the pictures take numbers of the set drawn at random
};

struct StatusActions {
  int status;
  Captions captions;
  // Left position of PlaatjesPanel; fixed, whatever the window's size.
  std::optional<int> plaatjesLeft;
  // Status 20: InfoPanel the first time, GoedFoutPanel afterwards, and the notice when the
  // level chosen in RadioGroup1 has no exercises.
  bool levelChoice;
  // Status 15: the grid's pick goes back to row 1, the default set.
  bool resetGridPick;
};

inline constexpr std::array<StatusActions, kStatuses.size()> kStatusActions = {{
    {10, Captions::kRandomPictures, std::nullopt, false, false},
    {11, Captions::kRandomPictures, std::nullopt, false, false},
    {15, Captions::kUntouched, std::nullopt, false, true},
    {20, Captions::kEmptyCalculator, window_layout::kRightColumn, true, false},
    {30, Captions::kExercise, window_layout::kLeftColumn, false, false},
    {40, Captions::kEmptyCalculator, window_layout::kRightColumn, false, false},
    {50, Captions::kUntouched, std::nullopt, false, false},
}};

// The position of a status in kStatuses, or nothing for a value that is no status.
constexpr std::optional<std::size_t> StatusColumn(int status) {
  for (std::size_t i = 0; i < kStatuses.size(); ++i) {
    if (kStatuses[i] == status) {
      return i;
    }
  }
  return std::nullopt;
}

}  // namespace reki
