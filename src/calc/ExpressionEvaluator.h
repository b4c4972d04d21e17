// The calculator's expression evaluator: a recursive-descent parser that computes while it
// reads. One object per evaluation; the first error recorded is the one reported.
#pragma once

#include <cstddef>
#include <string>

#include "calc/FunctionTable.h"

namespace pelmo {

enum CalcError : int {
  kSyntaxError = 1,
  kArgumentCount = 2,
  kUnmatchedBrackets = 3,
  kUnmatchedBraces = 4,
  kOperandMissing = 5,
  kDivisionByZero = 6,
  kArgumentListEnd = 7,
  kVariableNotFound = 8,
  kFunctionNotFound = 9,
  kChebyshevDegree = 20,
  kBesselArgument = 21,
  kNegativeFactorial = 22,
  kNestingTooDeep = 23,
  kOrderOutOfRange = 24,
};

class ExpressionEvaluator {
 public:
  // Deeper nesting of parentheses, index brackets and argument lists is refused with
  // kNestingTooDeep instead of exhausting the stack.
  static constexpr int kMaxNesting = 256;

  double Evaluate(const std::string& expression);
  bool HasError() const { return error_; }
  const std::string& GetErrorMessage() const { return message_; }
  int GetErrorCode() const { return code_; }

  // "%.8lG": eight significant digits, the same text on every platform; "INF", "-INF", "NAN"
  // for values that are not finite.
  static std::string FormatResult(double value);

  // Records the first error only: the code's text and the detail joined by one blank.
  void RaiseError(int code, const std::string& detail = std::string());

  // Checks the arity, then computes the row's function. `index` is the call's bracketed order.
  double CallFunction(const FunctionEntry& entry, int argCount, double x, double y, int index);

 private:
  void Advance();
  double ParseExpression();
  double ParseLogic();
  double ParseComparison();
  double ParseSum();
  double ParseProduct();
  double ParsePower();
  double ParsePrimary();
  double ParseNumber();
  double ParseName();
  double ParseCall(const std::string& name, int index);
  void CheckOperandFollows();

  std::string expression_;
  std::size_t position_ = 0;
  char current_ = ' ';
  int depth_ = 0;
  bool error_ = false;
  int code_ = 0;
  std::string message_;
};

}  // namespace pelmo
