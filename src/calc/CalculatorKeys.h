// The calculator window's rules as a portable model: what each key, the typing in the expression
// field, "=", "C", "BkSpc" and the choice of a list entry do to the three texts the window shows
// (expression, result, operator indicator) and to the list of earlier expressions. The window
// copies the shown expression into `texts.expression` before every call and shows the texts
// afterwards; the model never sees a control.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pelmo {

struct CalculatorTexts {
  std::string expression;
  std::string result = "0.0";
  std::string indicator;
};

class CalculatorKeys {
 public:
  // A key that appends `text`. After "Shift", the seven dual keys (sin, cos, tan, ln, deg, erf,
  // x^y) append their second text instead (asin, acos, atan, exp, rad, erfc, sqrt).
  void Append(std::string_view text);
  // "Shift": the next appending key uses its second text. Pressing it again changes nothing.
  void Shift() { shift_ = true; }

  // The user changed the expression in its field. True when the texts changed and must be shown
  // (the expression now ends with an operator and the running result was computed).
  bool EditChanged();

  // "=": evaluates the whole expression. True when the expression was new to the list (compared
  // ignoring case) and has been inserted as its first entry.
  bool Equals();

  // "C" and "BkSpc".
  void Clear();
  void Backspace();

  // The user chose the list's entry `row` (0 is the top).
  void Choose(std::size_t row);

  // Puts entries loaded from the history file below the list, newest first.
  void AppendHistory(std::vector<std::string> newestFirst);

  CalculatorTexts texts;
  const std::vector<std::string>& History() const { return history_; }

 private:
  // After an operator or ")" at the end of the trimmed expression: the value of what comes
  // before it becomes the running result, and the operator the indicator.
  bool ShowRunningResult();

  std::vector<std::string> history_;  // the list, top (newest) first
  bool shift_ = false;
};

// Whether two texts are equal when upper and lower case of code page 1252 count as the same, as
// the list box's exact-match search compares them.
bool EqualIgnoringCase(std::string_view a, std::string_view b);

}  // namespace pelmo
