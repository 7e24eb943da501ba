// The operator patterns that the solver tries, one table per bracket shape, in the order in which
// they are tried. Each pattern holds three operation characters o1, o2, o3.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace reki {

enum class Shape {
  kTypeI,    // ((a o1 b) o2 c) o3 d
  kTypeII,   // (a o1 b) o3 (c o2 d)
  kTypeIII,  // (c o2 (a o1 b)) o3 d
  kTypeIV,   // d o3 (c o2 (a o1 b))
};

inline constexpr std::array<Shape, 4> kShapes = {Shape::kTypeI, Shape::kTypeII, Shape::kTypeIII,
                                                 Shape::kTypeIV};

inline constexpr std::array<std::string_view, 33> kPatternsTypeI = {
    "+++", "++-", "++x", "++:", "+-x", "+-:", "--x", "+x+", "+x-", "+xx", "+x:",
    "-x+", "-x-", "-xx", "-x:", "x++", "x+-", "x+x", "x+:", "x--", "x-x", "x-:",
    "xx+", "xx-", "xxx", "xx:", "x:+", "x:-", "x::", ":++", ":+-", ":+x", ":-x"};
inline constexpr std::array<std::string_view, 7> kPatternsTypeII = {"++x", "+-x", "--x", "xx+",
                                                                    "xx-", "x:+", "x:-"};
inline constexpr std::array<std::string_view, 3> kPatternsTypeIII = {"x-x", "-:x", "+:x"};
inline constexpr std::array<std::string_view, 2> kPatternsTypeIV = {":-x", ":-:"};

// The table of a shape.
constexpr std::span<const std::string_view> PatternsOf(Shape shape) {
  switch (shape) {
    case Shape::kTypeI:
      return kPatternsTypeI;
    case Shape::kTypeII:
      return kPatternsTypeII;
    case Shape::kTypeIII:
      return kPatternsTypeIII;
    case Shape::kTypeIV:
      return kPatternsTypeIV;
  }
  return {};
}

// The heading of a shape's table: "Type I" .. "Type IV".
constexpr std::string_view ShapeName(Shape shape) {
  constexpr std::array<std::string_view, 4> kNames = {"Type I", "Type II", "Type III", "Type IV"};
  return kNames[static_cast<int>(shape)];
}

inline constexpr std::size_t kPatternCount = kPatternsTypeI.size() + kPatternsTypeII.size() +
                                             kPatternsTypeIII.size() + kPatternsTypeIV.size();
static_assert(kPatternCount == 45);

}  // namespace reki
