// libFuzzer target: any text handed to the evaluator must come back as a value or one of its
// messages, without a crash, a hang or a sanitizer report. Built and run by scripts/fuzz-calc.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "calc/ExpressionEvaluator.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  pelmo::ExpressionEvaluator evaluator;
  const double value = evaluator.Evaluate(text);
  const std::string shown = evaluator.HasError() ? evaluator.GetErrorMessage()
                                                 : pelmo::ExpressionEvaluator::FormatResult(value);
  // Every result shows something; every message ends with the detail after one blank.
  if (shown.empty()) std::abort();
  if (evaluator.HasError() && shown.find(' ') == std::string::npos) std::abort();
  return 0;
}
