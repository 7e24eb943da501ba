// The main window's two sizes and the fixed places of its columns and strips.
#pragma once

namespace reki::window_layout {

inline constexpr int kNormalWidth = 395;
inline constexpr int kNormalHeight = 244;
inline constexpr int kLargeWidth = 495;
inline constexpr int kLargeHeight = 304;
inline constexpr int kLeftColumn = 5;
inline constexpr int kRightColumn = 200;
inline constexpr int kRightColumnLarge = 250;
inline constexpr int kTop = 5;
inline constexpr int kStripHeight = 25;

}  // namespace reki::window_layout
