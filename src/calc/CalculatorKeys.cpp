#include "calc/CalculatorKeys.h"

#include <algorithm>
#include <utility>

#include "calc/ExpressionEvaluator.h"
#include "framework/AnsiCodePage.h"

namespace pelmo {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool IsRunningTrigger(char c) {
  return c == '+' || c == '-' || c == '/' || c == '*' || c == ')';
}

// The dual keys' texts: the first, and the second that "Shift" gives.
constexpr std::pair<std::string_view, std::string_view> kDualKeys[] = {
    {"sin(", "asin("}, {"cos(", "acos("}, {"tan(", "atan("}, {"ln(", "exp("},
    {"deg(", "rad("},  {"erf(", "erfc("}, {"^", "sqrt("},
};

std::string_view SecondText(std::string_view text) {
  for (const auto& [first, second] : kDualKeys)
    if (first == text) return second;
  return text;
}

}  // namespace

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return AnsiFold(static_cast<unsigned char>(x)) ==
                  AnsiFold(static_cast<unsigned char>(y));
         });
}

bool CalculatorKeys::ShowRunningResult() {
  const std::string_view trimmed = Trimmed(texts.expression);
  if (trimmed.empty() || !IsRunningTrigger(trimmed.back())) return false;
  const std::string_view before = trimmed.substr(0, trimmed.size() - 1);
  // The value is shown even after an error: it is only a guide while typing.
  const double value = before.empty() ? 0.0 : ExpressionEvaluator().Evaluate(std::string(before));
  texts.result = ExpressionEvaluator::FormatResult(value);
  texts.indicator = trimmed.back() == ')' ? "( )" : std::string(1, trimmed.back());
  return true;
}

void CalculatorKeys::Append(std::string_view text) {
  texts.expression += shift_ ? SecondText(text) : text;
  shift_ = false;
  ShowRunningResult();
}

bool CalculatorKeys::EditChanged() {
  shift_ = false;
  return ShowRunningResult();
}

bool CalculatorKeys::Equals() {
  ExpressionEvaluator evaluator;
  const double value = evaluator.Evaluate(texts.expression);
  bool inserted = false;
  if (evaluator.HasError()) {
    texts.result = evaluator.GetErrorMessage();
  } else {
    texts.result = ExpressionEvaluator::FormatResult(value);
    const bool known = std::any_of(history_.begin(), history_.end(), [&](const std::string& entry) {
      return EqualIgnoringCase(entry, texts.expression);
    });
    if (!known) {
      history_.insert(history_.begin(), texts.expression);
      inserted = true;
    }
  }
  texts.indicator = "=";
  return inserted;
}

void CalculatorKeys::Clear() {
  texts.expression.clear();
  texts.result = "0";
}

void CalculatorKeys::Backspace() {
  if (!texts.expression.empty()) texts.expression.pop_back();
}

void CalculatorKeys::Choose(std::size_t row) {
  if (row >= history_.size()) return;
  texts.expression = history_[row];
  texts.result.clear();
  texts.indicator = "M";
}

void CalculatorKeys::AppendHistory(std::vector<std::string> newestFirst) {
  history_.insert(history_.end(), std::make_move_iterator(newestFirst.begin()),
                  std::make_move_iterator(newestFirst.end()));
}

}  // namespace pelmo
