#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "Evaluate.h"
#include "calc/HigherFunctions.h"

namespace pelmo {
namespace {

using test::ExpectAllShown;
using test::ExpectShown;
using test::ExpectValues;
using test::Shown;
using test::ValueOf;

TEST(Evaluator, ReadsTheUnusualRules) {
  // Blanks vanish everywhere; leftovers after a complete expression are ignored; a tab inside
  // is an ordinary character.
  ExpectValues({{"2 3", 23}, {"s i n ( 0 )", 0}, {"  \t7\r\n", 7}, {"2+3)", 5}, {"1\t+2", 1}});
  // Leading minus is an empty operand, bound at the sum level.
  ExpectValues({{"-2^2", -4}, {"2*-3", -3}, {"2^-2", -1}});
  // Precedence and associativity; "|" and "&" share the lowest level, left to right.
  ExpectValues({{"2+3*4", 14},
                {"10-4-3", 3},
                {"64/4/2", 8},
                {"1+2<4", 1},
                {"1<1+1", 1},
                {"1<2<3", 1},
                {"2<2", 0},
                {"3>2", 1},
                {"2>2", 0},
                {"2=2", 1},
                {"4|1&2", 0},
                {"0|2<1", 0},
                {"6|3", 7},
                {"0-6&0-3", -8}});
  // Logic operands are truncated to 32 bits, saturating; NaN gives 0.
  ExpectValues({{"2.9&3", 2}, {"1e300&1", 1}, {"(0-1e300)|0", -2147483648.0}, {"sqrt(0-1)|5", 5}});
  // Integer powers by repeated multiplication; the exponent is a primary. Any size ends promptly.
  ExpectValues({{"2^10", 1024},
                {"2^1", 2},
                {"2^3.9", 8},
                {"9^0.5", 1},
                {"2^3^2", 8},
                {"2^1e9", HUGE_VAL},
                {"0.5^3000000000", 0},
                {"(0-1)^(1e15+0.5)", 1},
                {"(0-1)^(1e15+1)", -1},
                {"2^(1/0.0000001*1e300)", HUGE_VAL}});
  double product = 1.1;
  for (int i = 2; i <= 37; ++i) product *= 1.1;
  EXPECT_EQ(ValueOf("1.1^37"), product);
  EXPECT_TRUE(std::isnan(ValueOf("2^sqrt(0-1)")));
  // Numbers: atof's longest prefix, "d" and "D" as exponent letters, no "+".
  ExpectValues({{"1d3", 1000},
                {"1D-2", 0.01},
                {"1e+3", 4},
                {"1e-", 1},
                {"1.5.5", 1.5},
                {"1e5e3", 1e5},
                {"1 e - 2", 0.01},
                {"1e99999", HUGE_VAL},
                {"1e-99999", 0}});
  // The fourteen constants, exactly as named; anything after one is left over.
  ExpectValues({{"pi", 3.141592653589793},
                {"e", 2.718281828459045},
                {"_c", 299790000.0},
                {"_e", 8.8542e-12},
                {"_mi", 1.25663706e-06},
                {"_kb", 1.3807e-23},
                {"_q", 1.60219e-19},
                {"_me", 9.1095e-31},
                {"_h", 6.6262e-34},
                {"_hr", 1.05459e-34},
                {"_ry", 13.6058},
                {"_ev", 1.60219e-19},
                {"_kt", 25.853},
                {"_na", 6.022045e+23},
                {"pi(2)", 3.141592653589793}});
}

TEST(Evaluator, ReportsTheFirstErrorWithItsExactText) {
  ExpectAllShown("Syntax Error ", {"", "   ", ".5", "+1", "sin()"});
  ExpectAllShown("Syntax Error - Operand missing ", {"2x", "2_c", "(1)x", "sin(1)(2)"});
  ExpectAllShown("Invalid number of arguments ,sin(radian) => {0..1}",
                 {"sin(1,2)", "sin(1,2,3,4)"});
  ExpectAllShown("Invalid number of arguments ,MIN(a,b) =a if a<b else b  ",
                 {"min(1)", "min(1,2,3)"});
  ExpectAllShown("Division by zero ", {"1/0", "1/0+foo"});
  ExpectAllShown("Error, argument in Bessel function must be x>0 ",
                 {"bessy0(0)", "bessy[2](0-1)", "neumann(0,0)"});
  ExpectShown({{"(2+3", "Unmatched braces '()'  Expected ')'"},
               {"sin(1", "Expected end of Function arguments ')' "},
               {"SIN(1)", "Function not found : SIN"},
               {"x1", "Variable not found : x1"},
               {"pi pi", "Variable not found : pipi"},
               {"bessj[2]", "Variable not found : bessj"},
               {"bessj[2)(1)", "Unmatch brackets '[]'  Expected ']'"},
               {"fact(0-1)", "fact(): Error, negative argument "},
               {"chepol(0-1,0.5)", "Error, degree of the polynomial must be n>=0 "}});
}

TEST(Evaluator, KeepsParsingAfterAnErrorWithZeroForAMissingOperand) {
  ExpressionEvaluator evaluator;
  EXPECT_EQ(evaluator.Evaluate("5+"), 5);
  EXPECT_EQ(evaluator.GetErrorCode(), kSyntaxError);
  EXPECT_EQ(evaluator.Evaluate("7*"), 0);
  EXPECT_EQ(evaluator.Evaluate("1/0+2"), 3);  // the left operand is kept
  EXPECT_EQ(evaluator.Evaluate("x1+2"), 2);
  EXPECT_TRUE(evaluator.HasError());
  EXPECT_EQ(evaluator.Evaluate("1+1"), 2);
  EXPECT_FALSE(evaluator.HasError());
  EXPECT_EQ(evaluator.GetErrorMessage(), "");
}

TEST(Evaluator, GivesEveryCallItsOwnIndexValue) {
  using special::BesselJn;
  EXPECT_DOUBLE_EQ(ValueOf("bessj(1)"), BesselJn(0, 1));
  EXPECT_DOUBLE_EQ(ValueOf("bessj[2](bessj[3](1))"), BesselJn(2, BesselJn(3, 1)));
  EXPECT_DOUBLE_EQ(ValueOf("bessj[1+1.9](1)"), BesselJn(2, 1));  // truncated
  ExpressionEvaluator evaluator;
  EXPECT_DOUBLE_EQ(evaluator.Evaluate("bessj[2)(1)"), BesselJn(2, 1));  // still called
}

TEST(Evaluator, BoundsNestingAndLength) {
  const int limit = ExpressionEvaluator::kMaxNesting;
  const std::string fits = std::string(limit - 1, '(') + "1" + std::string(limit - 1, ')');
  EXPECT_EQ(ValueOf(fits), 1);
  EXPECT_EQ(Shown("(" + fits + ")"), "Error, expression nested too deeply ");
  for (const std::string open : {"(", "sin(", "bessj["}) {
    std::string deep;
    for (int i = 0; i < 100000; ++i) deep += open;
    EXPECT_EQ(Shown(deep + "1"), "Error, expression nested too deeply ") << open;
  }
  std::string sum = "0";
  for (int i = 0; i < 200000; ++i) sum += "+1";
  EXPECT_EQ(ValueOf(sum), 200000);
  const std::string name(100000, 'q');
  EXPECT_EQ(Shown(name), "Variable not found : " + name);
}

}  // namespace
}  // namespace pelmo
