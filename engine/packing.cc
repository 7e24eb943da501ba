#include "engine/packing.h"

#include "platform/int_text.h"

namespace reki {
namespace {

constexpr int kDigitBase = 48;           // '0'
constexpr int kCodeBase = 32;            // ' '
constexpr std::size_t kTargetPos = 10;   // 0-based position 11
constexpr std::size_t kLastPos = 189;    // 0-based position 190
constexpr int kPairChars = 178;          // positions 12..189
constexpr int kLevelsPerTargetRow = 13;  // B[11] = 32 + target div 80 + 13 * L[1]
constexpr int kTargetLowBase = 80;

char Char(int code) {
  return static_cast<char>(code);
}
int Code(char c) {
  return static_cast<unsigned char>(c);
}

bool InRange(char c, int low, int high) {
  return Code(c) >= low && Code(c) <= high;
}

// Level code of combination number n (1..715).
int L(const LevelTable& levels, int n) {
  return levels[n - 1];
}

}  // namespace

PackedResults PackResults(const GradedSet& set) {
  PackedResults packed{std::string(kPackedLength, ' '), std::string(kPackedLength, ' ')};
  for (int i = 0; i < kNumberCount; ++i) {
    packed.a[i] = Char(kDigitBase + set.numbers[i] % 10);
    packed.b[i] = Char(kDigitBase + set.numbers[i] / 10);
  }
  const LevelTable& lv = set.levels;
  packed.a[kTargetPos] = Char(kCodeBase + set.target % kTargetLowBase);
  packed.b[kTargetPos] =
      Char(kCodeBase + set.target / kTargetLowBase + kLevelsPerTargetRow * L(lv, 1));
  for (int k = 1; k <= kPairChars; ++k) {
    packed.a[kTargetPos + k] = Char(kCodeBase + L(lv, 4 * k - 2) + 6 * L(lv, 4 * k - 1));
    packed.b[kTargetPos + k] = Char(kCodeBase + L(lv, 4 * k) + 6 * L(lv, 4 * k + 1));
  }
  packed.a[kLastPos] = Char(kDigitBase + L(lv, 714));
  packed.b[kLastPos] = Char(kDigitBase + L(lv, 715));
  return packed;
}

std::optional<GradedSet> UnpackResults(const PackedResults& packed) {
  const std::string& a = packed.a;
  const std::string& b = packed.b;
  if (a.size() != kPackedLength || b.size() != kPackedLength) {
    return std::nullopt;
  }
  for (std::size_t i = 0; i < kNumberCount; ++i) {
    if (!InRange(a[i], '0', '9') || !InRange(b[i], '0', '9')) {
      return std::nullopt;
    }
  }
  if (!InRange(a[kTargetPos], kCodeBase, kCodeBase + kTargetLowBase - 1) ||
      !InRange(b[kTargetPos], kCodeBase, kCodeBase + 12 + kLevelsPerTargetRow * 5)) {
    return std::nullopt;
  }
  for (int k = 1; k <= kPairChars; ++k) {
    if (!InRange(a[kTargetPos + k], kCodeBase, kCodeBase + 35) ||
        !InRange(b[kTargetPos + k], kCodeBase, kCodeBase + 35)) {
      return std::nullopt;
    }
  }
  if (!InRange(a[kLastPos], '0', '5') || !InRange(b[kLastPos], '0', '5')) {
    return std::nullopt;
  }

  GradedSet set;
  for (int i = 0; i < kNumberCount; ++i) {
    set.numbers[i] = (Code(a[i]) - kDigitBase) + 10 * (Code(b[i]) - kDigitBase);
  }
  const int high = Code(b[kTargetPos]) - kCodeBase;
  set.target = (high % kLevelsPerTargetRow) * kTargetLowBase + (Code(a[kTargetPos]) - kCodeBase);
  LevelTable& lv = set.levels;
  lv[0] = static_cast<std::uint8_t>(high / kLevelsPerTargetRow);
  for (int k = 1; k <= kPairChars; ++k) {
    const int pa = Code(a[kTargetPos + k]) - kCodeBase;
    const int pb = Code(b[kTargetPos + k]) - kCodeBase;
    lv[4 * k - 3] = static_cast<std::uint8_t>(pa % 6);
    lv[4 * k - 2] = static_cast<std::uint8_t>(pa / 6);
    lv[4 * k - 1] = static_cast<std::uint8_t>(pb % 6);
    lv[4 * k] = static_cast<std::uint8_t>(pb / 6);
  }
  lv[713] = static_cast<std::uint8_t>(Code(a[kLastPos]) - kDigitBase);
  lv[714] = static_cast<std::uint8_t>(Code(b[kLastPos]) - kDigitBase);

  if (!IsValidNumberSet(set.numbers) || set.target < kMinTarget || set.target > kMaxTarget) {
    return std::nullopt;
  }
  return set;
}

std::string SetNaam(const NumberSet& numbers, std::int32_t target) {
  std::string name = IntToStr(target) + ";";
  for (const std::int32_t n : numbers) {
    name += IntToStr(n) + ":";
  }
  return name;
}

SetNameParts SplitSetNaam(std::string_view name) {
  SetNameParts parts;
  auto take = [&name](char separator) {
    const std::size_t p = name.find(separator);
    if (p == std::string_view::npos) {
      return std::string();  // the text stays whole for the next piece
    }
    std::string piece(name.substr(0, p));
    name.remove_prefix(p + 1);
    return piece;
  };
  parts.target = take(';');
  for (auto& number : parts.numbers) {
    number = take(':');
  }
  return parts;
}

}  // namespace reki
