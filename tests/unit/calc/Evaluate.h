// One expression through a fresh evaluator, and tables of them, as the calculator tests need.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "calc/ExpressionEvaluator.h"

namespace pelmo::test {

// The value of an expression that must evaluate without error.
inline double ValueOf(const std::string& expression) {
  ExpressionEvaluator evaluator;
  const double value = evaluator.Evaluate(expression);
  EXPECT_FALSE(evaluator.HasError()) << expression << ": " << evaluator.GetErrorMessage();
  return value;
}

// What the result field shows: the error message or the formatted value.
inline std::string Shown(const std::string& expression) {
  ExpressionEvaluator evaluator;
  const double value = evaluator.Evaluate(expression);
  return evaluator.HasError() ? evaluator.GetErrorMessage()
                              : ExpressionEvaluator::FormatResult(value);
}

struct ValueCase {
  const char* expression;
  double expected;
};

struct ShownCase {
  const char* expression;
  const char* shown;
};

inline void ExpectValues(std::initializer_list<ValueCase> cases) {
  for (const ValueCase& c : cases) {
    EXPECT_DOUBLE_EQ(ValueOf(c.expression), c.expected) << c.expression;
  }
}

inline void ExpectShown(std::initializer_list<ShownCase> cases) {
  for (const ShownCase& c : cases) EXPECT_EQ(Shown(c.expression), c.shown) << c.expression;
}

inline void ExpectAllShown(const std::string& shown,
                           std::initializer_list<const char*> expressions) {
  for (const char* expression : expressions) EXPECT_EQ(Shown(expression), shown) << expression;
}

}  // namespace pelmo::test
