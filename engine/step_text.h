// The text of one calculation step, as the intermediate-result buttons show it: "7 + 5 = 12".
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/fraction.h"

namespace reki {

// Longest text of a step; longer texts are cut without a mark.
inline constexpr std::size_t kStepTextLength = 20;

// Left operand, operation and right operand as far as they are given (operands counts 0..2, and
// opChosen says whether the operation is known), then " = " and the result once the step is
// complete, or " = ---" and the undefined value after a division by zero ("7 : 0 = ---7/0").
// The pieces keep this order whatever order the pupil gave them in; the text is cut to
// kStepTextLength characters. Throws IntegerOverflowError when the result does not fit.
std::string StepText(const CalcStep& step, std::int32_t operands, bool opChosen);

// The same text without the cut, for a tool tip that shows the whole step.
std::string FullStepText(const CalcStep& step, std::int32_t operands, bool opChosen);

}  // namespace reki
