#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc/ExpressionEvaluator.h"
#include "calc/HigherFunctions.h"

namespace pelmo {
namespace {

struct ValueCase {
  const char* expression;
  double expected;
};

struct MessageCase {
  const char* expression;
  const char* message;
};

double EvaluateClean(const std::string& expression) {
  ExpressionEvaluator evaluator;
  const double value = evaluator.Evaluate(expression);
  EXPECT_FALSE(evaluator.HasError()) << expression << ": " << evaluator.GetErrorMessage();
  return value;
}

std::string MessageOf(const std::string& expression) {
  ExpressionEvaluator evaluator;
  evaluator.Evaluate(expression);
  EXPECT_TRUE(evaluator.HasError()) << expression;
  return evaluator.GetErrorMessage();
}

TEST(Evaluator, ReadsTheUnusualRules) {
  const ValueCase cases[] = {
      // Blanks vanish everywhere; leftovers after a complete expression are ignored.
      {"2 3", 23},
      {"s i n ( 0 )", 0},
      {"  \t7\r\n", 7},
      {"2+3)", 5},
      {"(2)3", 2},
      {"1\t+2", 1},  // a tab is an ordinary character, so "+2" is left over
      // Leading minus is an empty operand, bound at the sum level.
      {"-5", -5},
      {"-2^2", -4},
      {"2*-3", -3},
      {"5--3", 2},
      {"2^-2", -1},
      // Precedence and associativity.
      {"2+3*4", 14},
      {"10-4-3", 3},
      {"64/4/2", 8},
      {"1+2<4", 1},
      {"1<2<3", 1},
      {"3<2", 0},
      {"3>2", 1},
      {"2=2", 1},
      {"1|2&3", 3},  // "|" and "&" share the lowest level, left to right: (1|2)&3
      {"6&3", 2},
      {"6|3", 7},
      {"2.9&3", 2},
      {"0-6&0-3", -8},
      // Integer powers by repeated multiplication; the exponent is a primary.
      {"2^10", 1024},
      {"2^2.5", 4},
      {"2^3.9", 8},
      {"9^0.5", 1},
      {"2^3^2", 8},
      {"2^(1+2)", 8},
      // Numbers: atof's longest prefix, "d" and "D" as exponent letters, no "+".
      {"1e3", 1000},
      {"1d3", 1000},
      {"1D-2", 0.01},
      {"1e+3", 4},
      {"2e", 2},
      {"1.5.5", 1.5},
      {"1e5e3", 1e5},
      {"1e-", 1},
      {"1.e2", 100},
      {"1 e - 2", 0.01},
      // Constants, exactly as named; anything after one is left over.
      {"pi", 3.141592653589793},
      {"e", 2.718281828459045},
      {"_c", 299790000.0},
      {"_ev", 1.60219e-19},
      {"_na", 6.022045e+23},
      {"pi(2)", 3.141592653589793},
  };
  for (const ValueCase& c : cases) {
    EXPECT_DOUBLE_EQ(EvaluateClean(c.expression), c.expected) << c.expression;
  }
}

TEST(Evaluator, ReportsTheFirstErrorWithItsExactText) {
  const MessageCase cases[] = {
      {"", "Syntax Error "},
      {"   ", "Syntax Error "},
      {".5", "Syntax Error "},
      {"+1", "Syntax Error "},
      {"(2+3", "Unmatched braces '()'  Expected ')'"},
      {"1/0", "Division by zero "},
      {"1/(2-2)", "Division by zero "},
      {"2x", "Syntax Error - Operand missing "},
      {"2(3)", "Syntax Error - Operand missing "},
      {"2exp(1)", "Syntax Error - Operand missing "},
      {"(1)x", "Syntax Error - Operand missing "},
      {"sin(1)(2)", "Syntax Error - Operand missing "},
      {"sin(1,2)", "Invalid number of arguments ,sin(radian) => {0..1}"},
      {"min(1)", "Invalid number of arguments ,MIN(a,b) =a if a<b else b  "},
      {"sin(1,2,3,4)", "Invalid number of arguments ,sin(radian) => {0..1}"},
      {"comb(1)",
       "Invalid number of arguments ,comb(n, k) => number of combinaisons for k object\n"
       "n - total number of objects (n>=m) return 0 if error"},
      {"sin()", "Syntax Error "},
      {"sin(1", "Expected end of Function arguments ')' "},
      {"SIN(1)", "Function not found : SIN"},
      {"SQRT(4)", "Function not found : SQRT"},
      {"x1", "Variable not found : x1"},
      {"pi pi", "Variable not found : pipi"},
      {"sin", "Variable not found : sin"},
      {"bessj[2]", "Variable not found : bessj"},
      {"bessj[2)(1)", "Unmatch brackets '[]'  Expected ']'"},
      {"1/0+foo", "Division by zero "},
      {"foo(1/0)", "Division by zero "},
      {"fact(0-1)", "fact(): Error, negative argument "},
      {"chepol(0-1,0.5)", "Error, degree of the polynomial must be n>=0 "},
      {"bessy0(0)", "Error, argument in Bessel function must be x>0 "},
      {"bessy[2](0-1)", "Error, argument in Bessel function must be x>0 "},
      {"neumann(0,0)", "Error, argument in Bessel function must be x>0 "},
  };
  for (const MessageCase& c : cases) EXPECT_EQ(MessageOf(c.expression), c.message) << c.expression;
}

TEST(Evaluator, KeepsParsingAfterAnErrorWithZeroForAMissingOperand) {
  ExpressionEvaluator evaluator;
  EXPECT_EQ(evaluator.Evaluate("5+"), 5);
  EXPECT_EQ(evaluator.GetErrorCode(), kSyntaxError);
  EXPECT_EQ(evaluator.Evaluate("7*"), 0);
  EXPECT_EQ(evaluator.Evaluate("1/0+2"), 3);  // the left operand is kept
  EXPECT_EQ(evaluator.Evaluate("x1+2"), 2);
  EXPECT_TRUE(evaluator.HasError());
}

TEST(Evaluator, ResetsBetweenEvaluations) {
  ExpressionEvaluator evaluator;
  evaluator.Evaluate("1/0");
  ASSERT_TRUE(evaluator.HasError());
  EXPECT_EQ(evaluator.Evaluate("1+1"), 2);
  EXPECT_FALSE(evaluator.HasError());
  EXPECT_EQ(evaluator.GetErrorMessage(), "");
}

TEST(Evaluator, GivesEveryCallItsOwnIndexValue) {
  using special::BesselJn;
  EXPECT_DOUBLE_EQ(EvaluateClean("bessj[2](1)"), BesselJn(2, 1));
  EXPECT_DOUBLE_EQ(EvaluateClean("bessj(1)"), BesselJn(0, 1));
  EXPECT_DOUBLE_EQ(EvaluateClean("bessj[2](sin(1))"), BesselJn(2, std::sin(1)));
  EXPECT_DOUBLE_EQ(EvaluateClean("bessj[2](bessj[3](1))"), BesselJn(2, BesselJn(3, 1)));
  EXPECT_DOUBLE_EQ(EvaluateClean("bessj[1+1.9](1)"), BesselJn(2, 1));  // truncated
  ExpressionEvaluator evaluator;
  EXPECT_DOUBLE_EQ(evaluator.Evaluate("bessj[2)(1)"), BesselJn(2, 1));  // still called
}

TEST(Evaluator, PowersOfAnySizeEndPromptly) {
  const ValueCase cases[] = {
      {"2^1e9", HUGE_VAL},
      {"0.5^3000000000", 0},
      {"1^1e300", 1},
      {"(0-1)^1e15", 1},
      {"(0-1)^(1e15+1)", -1},
      {"(0-2)^1e9", HUGE_VAL},
      {"(0-2)^(1e9+1)", -HUGE_VAL},
      {"2^(1/0.0000001*1e300)", HUGE_VAL},
  };
  for (const ValueCase& c : cases)
    EXPECT_EQ(EvaluateClean(c.expression), c.expected) << c.expression;
  // Repeated multiplication, not pow, defines the result where it is quick.
  double product = 1.1;
  for (int i = 2; i <= 37; ++i) product *= 1.1;
  EXPECT_EQ(EvaluateClean("1.1^37"), product);
  EXPECT_TRUE(std::isnan(EvaluateClean("2^sqrt(0-1)")));
}

TEST(Evaluator, BoundsTheNesting) {
  const int limit = ExpressionEvaluator::kMaxNesting;
  const std::string fits = std::string(limit - 1, '(') + "1" + std::string(limit - 1, ')');
  EXPECT_EQ(EvaluateClean(fits), 1);
  for (const std::string open : {"(", "sin(", "bessj["}) {
    std::string deep;
    for (int i = 0; i < 100000; ++i) deep += open;
    EXPECT_EQ(MessageOf(deep + "1"), "Error, expression nested too deeply ") << open;
  }
}

TEST(Evaluator, HandlesHugeTextsAndNumbers) {
  EXPECT_EQ(EvaluateClean("1e99999"), HUGE_VAL);
  EXPECT_EQ(EvaluateClean("1e-99999"), 0);
  EXPECT_EQ(EvaluateClean(std::string(400, '9')), HUGE_VAL);
  std::string sum = "0";
  for (int i = 0; i < 200000; ++i) sum += "+1";
  EXPECT_EQ(EvaluateClean(sum), 200000);
  const std::string name(100000, 'q');
  EXPECT_EQ(MessageOf(name), "Variable not found : " + name);
}

TEST(Evaluator, TruncatesLogicOperandsSafely) {
  const ValueCase cases[] = {
      {"1e300&1", 1},  // saturates at 2^31 - 1
      {"(0-1e300)|0", -2147483648.0},
      {"sqrt(0-1)|5", 5},
      {"4294967295&3", 3},
  };
  for (const ValueCase& c : cases)
    EXPECT_EQ(EvaluateClean(c.expression), c.expected) << c.expression;
}

}  // namespace
}  // namespace pelmo
