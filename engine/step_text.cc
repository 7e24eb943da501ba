#include "engine/step_text.h"

namespace reki {

std::string FullStepText(const CalcStep& step, std::int32_t operands, bool opChosen) {
  std::string text;
  if (operands > 0) {
    text += FractionText(step.left) + " ";
  }
  if (opChosen) {
    text += OpChar(step.op);
    text += ' ';
  }
  if (operands == 2) {
    text += FractionText(step.right);
  }
  if (operands == 2 && opChosen) {
    const Fraction result = CalculateStep(step);
    text += result.denominator > 0 ? " = " : " = ---";
    text += FractionText(result);
  }
  return text;
}

std::string StepText(const CalcStep& step, std::int32_t operands, bool opChosen) {
  // Every piece only appends, so cutting once at the end equals cutting after each piece.
  return FullStepText(step, operands, opChosen).substr(0, kStepTextLength);
}

}  // namespace reki
