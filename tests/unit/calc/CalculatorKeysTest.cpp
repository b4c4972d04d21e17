// The calculator window's key rules, on the portable model of its three texts and its list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/CalculatorKeys.h"

namespace pelmo {
namespace {

using Rows = std::vector<std::string>;

TEST(CalculatorKeys, OperatorShowsTheRunningResultAndEqualsRecordsTheExpression) {
  CalculatorKeys keys;
  EXPECT_EQ(keys.texts.result, "0.0");
  keys.Append("7");
  EXPECT_EQ(keys.texts.result, "0.0") << "a digit evaluates nothing";
  keys.Append("*");
  EXPECT_EQ(keys.texts.result, "7");
  EXPECT_EQ(keys.texts.indicator, "*");
  keys.Append("8");
  EXPECT_TRUE(keys.Equals());
  EXPECT_EQ(keys.texts.result, "56");
  EXPECT_EQ(keys.texts.indicator, "=");
  EXPECT_EQ(keys.History(), Rows{"7*8"});

  EXPECT_FALSE(keys.Equals()) << "the same expression twice";
  keys.texts.expression = "1e3";
  EXPECT_TRUE(keys.Equals());
  keys.texts.expression = "1E3";
  EXPECT_FALSE(keys.Equals()) << "the search ignores case";
  EXPECT_EQ(keys.texts.result, "1000");
  EXPECT_EQ(keys.History(), (Rows{"1e3", "7*8"}));
}

TEST(CalculatorKeys, TypingAnOperatorOrABracketShowsTheRunningResultOtherwiseNothingChanges) {
  CalculatorKeys keys;
  keys.texts.expression = "  10/4  ";
  EXPECT_FALSE(keys.EditChanged());
  EXPECT_EQ(keys.texts.result, "0.0");
  keys.texts.expression = " 10/4 - \t";
  EXPECT_TRUE(keys.EditChanged());
  EXPECT_EQ(keys.texts.result, "2.5");
  EXPECT_EQ(keys.texts.indicator, "-");
  keys.texts.expression = "(1+4*";
  EXPECT_TRUE(keys.EditChanged());
  EXPECT_EQ(keys.texts.result, "5") << "the value is shown despite the unmatched bracket";
  keys.texts.expression = "(1+4)";
  EXPECT_TRUE(keys.EditChanged());
  EXPECT_EQ(keys.texts.indicator, "( )");
  keys.texts.expression = "-";
  EXPECT_TRUE(keys.EditChanged());
  EXPECT_EQ(keys.texts.result, "0") << "nothing before the operator counts as 0";
}

TEST(CalculatorKeys, ClearBackspaceErrorAndChoosingAnEntry) {
  CalculatorKeys keys;
  keys.Append("2");
  keys.Append("+");
  keys.Clear();
  EXPECT_EQ(keys.texts.expression, "");
  EXPECT_EQ(keys.texts.result, "0");
  EXPECT_EQ(keys.texts.indicator, "+") << "C keeps the indicator";
  EXPECT_FALSE(keys.Equals());
  EXPECT_EQ(keys.texts.result, "Syntax Error ");
  EXPECT_EQ(keys.texts.indicator, "=");
  EXPECT_TRUE(keys.History().empty());

  keys.texts.expression = "1/0";
  EXPECT_FALSE(keys.Equals());
  EXPECT_EQ(keys.texts.result, "Division by zero ");
  EXPECT_EQ(keys.texts.expression, "1/0") << "kept for correction";
  keys.Backspace();
  keys.Backspace();
  EXPECT_EQ(keys.texts.expression, "1");
  keys.Backspace();
  keys.Backspace();
  EXPECT_EQ(keys.texts.expression, "");

  keys.AppendHistory({"2^10", "pi"});
  keys.Choose(1);
  EXPECT_EQ(keys.texts.expression, "pi");
  EXPECT_EQ(keys.texts.result, "");
  EXPECT_EQ(keys.texts.indicator, "M");
}

}  // namespace
}  // namespace pelmo
