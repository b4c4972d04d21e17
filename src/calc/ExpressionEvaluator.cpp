#include "calc/ExpressionEvaluator.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "calc/Truncate.h"

namespace pelmo {
namespace {

const char* const kErrorTexts[] = {
    "",
    "Syntax Error",
    "Invalid number of arguments",
    "Unmatch brackets '[]'",
    "Unmatched braces '()'",
    "Syntax Error - Operand missing",
    "Division by zero",
    "Expected end of Function arguments ')'",
    "Variable not found :",
    "Function not found :",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "Error, degree of the polynomial must be n>=0",
    "Error, argument in Bessel function must be x>0",
    "fact(): Error, negative argument",
    "Error, expression nested too deeply",
    "Error, order of the Bessel function out of range",
};

struct Constant {
  const char* name;
  double value;
};

const Constant kConstants[] = {
    {"pi", 3.141592653589793}, {"e", 2.718281828459045}, {"_c", 299790000.0}, {"_e", 8.8542e-12},
    {"_mi", 1.25663706e-06},   {"_kb", 1.3807e-23},      {"_q", 1.60219e-19}, {"_me", 9.1095e-31},
    {"_h", 6.6262e-34},        {"_hr", 1.05459e-34},     {"_ry", 13.6058},    {"_ev", 1.60219e-19},
    {"_kt", 25.853},           {"_na", 6.022045e+23},
};

// Repeated multiplication is kept up to this many factors (its rounding is the defined
// result); beyond, pow gives the same value up to the last bits without the wait.
constexpr double kMaxMultiplications = 65536;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsExponentLetter(char c) {
  return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}
bool IsWhiteSpace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

// The longest leading part of `text` that forms a number, as atof reads it, with "d" and "D"
// as exponent letters too. Empty text is 0.
double ConvertNumber(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == 'd' || c == 'D'; }, 'e');
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  // Overflow and underflow leave `value` untouched; strtod gives the limits atof gives.
  if (result.ec == std::errc::result_out_of_range) return std::strtod(text.c_str(), nullptr);
  return value;
}

double Power(double base, double exponent) {
  if (std::isnan(exponent)) return exponent;
  if (exponent < 1) return 1.0;
  const double count = std::floor(exponent);
  if (count > kMaxMultiplications) return std::pow(base, count);
  double result = base;
  for (double counter = 2; counter <= count; ++counter) result *= base;
  return result;
}

}  // namespace

double ExpressionEvaluator::Evaluate(const std::string& expression) {
  const auto first = std::find_if_not(expression.begin(), expression.end(), IsWhiteSpace);
  const auto last = std::find_if_not(expression.rbegin(), expression.rend(), IsWhiteSpace).base();
  expression_.assign(first, first < last ? last : first);
  position_ = 0;
  depth_ = 0;
  error_ = false;
  code_ = 0;
  message_.clear();
  Advance();
  return ParseExpression();
}

void ExpressionEvaluator::RaiseError(int code, const std::string& detail) {
  if (error_) return;
  error_ = true;
  code_ = code;
  message_ = kErrorTexts[code];
  message_ += ' ';
  message_ += detail;
}

void ExpressionEvaluator::Advance() {
  do {
    if (position_ >= expression_.size()) {
      current_ = ' ';
      return;
    }
    current_ = expression_[position_++];
  } while (current_ == ' ');
}

double ExpressionEvaluator::ParseExpression() {
  if (depth_ >= kMaxNesting) {
    RaiseError(kNestingTooDeep);
    return 0;
  }
  ++depth_;
  const double value = ParseLogic();
  --depth_;
  return value;
}

double ExpressionEvaluator::ParseLogic() {
  double value = ParseComparison();
  while (current_ == '&' || current_ == '|') {
    const char op = current_;
    Advance();
    const std::int32_t left = TruncToInt32(value);
    const std::int32_t right = TruncToInt32(ParseComparison());
    value = op == '&' ? (left & right) : (left | right);
  }
  return value;
}

double ExpressionEvaluator::ParseComparison() {
  double value = ParseSum();
  while (current_ == '<' || current_ == '>' || current_ == '=') {
    const char op = current_;
    Advance();
    const double right = ParseSum();
    const bool holds = op == '<' ? value < right : op == '>' ? value > right : value == right;
    value = holds ? 1.0 : 0.0;
  }
  return value;
}

double ExpressionEvaluator::ParseSum() {
  double value = ParseProduct();
  while (current_ == '+' || current_ == '-') {
    const char op = current_;
    Advance();
    const double right = ParseProduct();
    value = op == '+' ? value + right : value - right;
  }
  return value;
}

double ExpressionEvaluator::ParseProduct() {
  double value = ParsePower();
  while (current_ == '*' || current_ == '/') {
    const char op = current_;
    Advance();
    const double right = ParsePower();
    if (op == '*') {
      value *= right;
    } else if (right == 0.0) {
      RaiseError(kDivisionByZero);
    } else {
      value /= right;
    }
  }
  return value;
}

double ExpressionEvaluator::ParsePower() {
  const double base = ParsePrimary();
  if (current_ != '^') return base;
  Advance();
  return Power(base, ParsePrimary());
}

double ExpressionEvaluator::ParsePrimary() {
  if (IsDigit(current_) || current_ == '-') return ParseNumber();
  if (IsLetter(current_) || current_ == '_') return ParseName();
  if (current_ == '(') {
    Advance();
    const double value = ParseExpression();
    if (current_ != ')') RaiseError(kUnmatchedBraces, " Expected ')'");
    Advance();
    CheckOperandFollows();
    return value;
  }
  RaiseError(kSyntaxError);
  return 0;
}

// A number or a closing parenthesis directly followed by a name or "(" lacks an operator.
void ExpressionEvaluator::CheckOperandFollows() {
  if (IsLetter(current_) || current_ == '_' || current_ == '(') RaiseError(kOperandMissing);
}

double ExpressionEvaluator::ParseNumber() {
  std::string text;
  while (IsDigit(current_) || current_ == '.' || IsExponentLetter(current_) ||
         (current_ == '-' && !text.empty() && IsExponentLetter(text.back()))) {
    text += current_;
    Advance();
  }
  const double value = ConvertNumber(std::move(text));
  CheckOperandFollows();
  return value;
}

double ExpressionEvaluator::ParseName() {
  std::string name;
  while (IsLetter(current_) || IsDigit(current_) || current_ == '_') {
    name += current_;
    Advance();
  }
  for (const Constant& constant : kConstants) {
    if (name == constant.name) return constant.value;
  }
  int index = 0;
  if (current_ == '[') {
    Advance();
    index = TruncToInt32(ParseExpression());
    if (current_ != ']') RaiseError(kUnmatchedBrackets, " Expected ']'");
    Advance();
  }
  if (current_ == '(') return ParseCall(name, index);
  RaiseError(kVariableNotFound, name);
  return 0.0;
}

double ExpressionEvaluator::ParseCall(const std::string& name, int index) {
  int count = 0;
  double args[2] = {0.0, 0.0};
  do {
    Advance();
    const double value = ParseExpression();
    if (count < 2) args[count] = value;
    // Any count above the largest arity is as wrong as another; stopping at 3 cannot overflow.
    count = std::min(count + 1, 3);
  } while (current_ == ',');
  if (current_ != ')') RaiseError(kArgumentListEnd);
  Advance();
  CheckOperandFollows();
  const FunctionEntry* entry = FindFunction(name);
  if (entry == nullptr) {
    RaiseError(kFunctionNotFound, name);
    return 0.0;
  }
  return CallFunction(*entry, count, args[0], args[1], index);
}

}  // namespace pelmo
