// The calculator's evaluator: grammar, error texts, function table, special functions' edges and
// the result's format (values inside the reference ranges: the accuracy test).
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>

#include "calc/ExpressionEvaluator.h"
#include "calc/HigherFunctions.h"

namespace pelmo {
namespace {

double ValueOf(const std::string& expression) {
  ExpressionEvaluator evaluator;
  const double value = evaluator.Evaluate(expression);
  EXPECT_FALSE(evaluator.HasError()) << expression << ": " << evaluator.GetErrorMessage();
  return value;
}

// What the result field shows: the error message or the formatted value.
std::string Shown(const std::string& expression) {
  ExpressionEvaluator evaluator;
  const double value = evaluator.Evaluate(expression);
  return evaluator.HasError() ? evaluator.GetErrorMessage()
                              : ExpressionEvaluator::FormatResult(value);
}

void ExpectValues(std::initializer_list<std::pair<const char*, double>> cases) {
  for (const auto& [expression, expected] : cases)
    EXPECT_DOUBLE_EQ(ValueOf(expression), expected) << expression;
}

void ExpectShown(std::initializer_list<std::pair<const char*, const char*>> cases) {
  for (const auto& [expression, shown] : cases) EXPECT_EQ(Shown(expression), shown) << expression;
}

void ExpectAllShown(const std::string& shown, std::initializer_list<const char*> expressions) {
  for (const char* expression : expressions) EXPECT_EQ(Shown(expression), shown) << expression;
}

constexpr double kPi = 3.141592653589793;
using Limits = std::numeric_limits<double>;

TEST(Evaluator, ReadsTheUnusualRules) {
  // clang-format off
  // Blanks vanish everywhere; leftovers after a complete expression are ignored; a tab inside
  // is an ordinary character.
  ExpectValues({{"2 3", 23}, {"s i n ( 0 )", 0}, {"  \t7\r\n", 7}, {"2+3)", 5}, {"1\t+2", 1}});
  // Leading minus is an empty operand, bound at the sum level.
  ExpectValues({{"-2^2", -4}, {"2*-3", -3}, {"2^-2", -1}});
  // Precedence and associativity; "|" and "&" share the lowest level, left to right.
  ExpectValues({{"2+3*4", 14}, {"10-4-3", 3}, {"64/4/2", 8}, {"1+2<4", 1}, {"1<1+1", 1},
                {"1<2<3", 1}, {"2<2", 0}, {"3>2", 1}, {"2>2", 0}, {"2=2", 1}, {"4|1&2", 0},
                {"0|2<1", 0}, {"6|3", 7}, {"0-6&0-3", -8}});
  // Logic operands are truncated to 32 bits, saturating; NaN gives 0.
  ExpectValues({{"2.9&3", 2}, {"1e300&1", 1}, {"(0-1e300)|0", -2147483648.0}, {"sqrt(0-1)|5", 5}});
  // Integer powers by repeated multiplication; the exponent is a primary. Any size ends promptly.
  ExpectValues({{"2^10", 1024}, {"2^1", 2}, {"2^3.9", 8}, {"9^0.5", 1}, {"2^3^2", 8},
                {"2^1e9", HUGE_VAL}, {"0.5^3000000000", 0}, {"(0-1)^(1e15+0.5)", 1},
                {"(0-1)^(1e15+1)", -1}, {"2^(1/0.0000001*1e300)", HUGE_VAL}});
  // Numbers: atof's longest prefix, "d" and "D" as exponent letters, no "+".
  ExpectValues({{"1d3", 1000}, {"1D-2", 0.01}, {"1e+3", 4}, {"1e-", 1}, {"1.5.5", 1.5},
                {"1e5e3", 1e5}, {"1 e - 2", 0.01}, {"1e99999", HUGE_VAL}, {"1e-99999", 0}});
  // The fourteen constants, exactly as named; anything after one is left over.
  ExpectValues({{"pi", 3.141592653589793}, {"e", 2.718281828459045}, {"_c", 299790000.0},
                {"_e", 8.8542e-12}, {"_mi", 1.25663706e-06}, {"_kb", 1.3807e-23},
                {"_q", 1.60219e-19}, {"_me", 9.1095e-31}, {"_h", 6.6262e-34},
                {"_hr", 1.05459e-34}, {"_ry", 13.6058}, {"_ev", 1.60219e-19}, {"_kt", 25.853},
                {"_na", 6.022045e+23}, {"pi(2)", 3.141592653589793}});
  // Every call has its own index value, truncated.
  ExpectValues({{"bessj(1)", special::BesselJn(0, 1)}, {"bessj[1+1.9](1)", special::BesselJn(2, 1)},
                {"bessj[2](bessj[3](1))", special::BesselJn(2, special::BesselJn(3, 1))}});
  // clang-format on
  // Powers by repeated multiplication round as that does; a NaN exponent gives NaN.
  double product = 1.1;
  for (int i = 2; i <= 37; ++i) product *= 1.1;
  EXPECT_EQ(ValueOf("1.1^37"), product);
  EXPECT_TRUE(std::isnan(ValueOf("2^sqrt(0-1)")));
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
  EXPECT_DOUBLE_EQ(evaluator.Evaluate("bessj[2)(1)"), special::BesselJn(2, 1));  // still called
  EXPECT_EQ(evaluator.Evaluate("1+1"), 2);
  EXPECT_FALSE(evaluator.HasError());
  EXPECT_EQ(evaluator.GetErrorMessage(), "");
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

// clang-format off
TEST(FunctionTable, ComputesTheElementaryRowsAndConvertsUnitsWithTheTableFactors) {
  ExpectValues({{"c_k(0)", 273.6}, {"k_c(273.6)", 0}, {"c_fh(100)", 212}, {"fh_c(212)", 100},
                {"fh_k(32)", 273.6}, {"k_fh(273.6)", 32}});
  ExpectValues({{"deg(1)", 57.29577951471995}, {"rad(1)", 0.017453292519444445},
                {"phe(2)", 0.6199}, {"ft_m(2)", 0.6096}, {"yd_m(1)", 0.9144}, {"in_m(1)", 0.0254},
                {"ps_m(1)", 3.086e16}, {"ly_m(1)", 9.45755e15}, {"au_m(1)", 1.496134e11},
                {"gal_l(1)", 3.785}, {"pt_l(1)", 0.473}, {"oz_l(1)", 0.029573},
                {"in3_l(1)", 0.0163871}, {"l_m3(1)", 0.001}, {"pd_kg(1)", 0.454}});
  ExpectValues({{"sin(pi/2)", 1}, {"cos(0)", 1}, {"tan(pi/4)", std::tan(kPi / 4)},
                {"atan(1)", kPi / 4}, {"acos(0)", kPi / 2}, {"asin(1)", kPi / 2},
                {"cosh(1)", std::cosh(1)}, {"sinh(1)", std::sinh(1)}, {"exp(1)", std::exp(1)},
                {"ln(e)", 1}, {"log(1000)", 3}, {"sqrt(2)", std::sqrt(2)}});
  ExpectValues({{"int(3.99)", 3}, {"int(0-2.7)", -2}, {"int(1e10+0.5)", 1e10}, {"frc(3.25)", 0.25},
                {"frc(0-2.5)", -0.5}});
  // Every quadrant and axis of the angle.
  ExpectValues({{"angle(1,1)", kPi / 4}, {"angle(1,0-1)", 3 * kPi / 4},
                {"angle(0-1,0-1)", -3 * kPi / 4}, {"angle(0,0-2)", kPi}, {"angle(0-2,0)", -kPi / 2},
                {"angle(0,0)", kPi / 2}, {"angle(0,3)", 0}});
  // Integer parts, remainders with the dividend's sign, beyond 32 bits.
  ExpectValues({{"gcd(12,18)", 6}, {"gcd(0-4,6)", 2}, {"gcd(4,0-6)", -2}, {"gcd(12.9,18.2)", 6},
                {"gcd(0,5)", 5}, {"gcd(1e12,4e11)", 2e11}, {"lcm(4,6)", 12}, {"lcm(0,0)", 0}});
  ExpectValues({{"comb(2,5)", 0}, {"perm(2,5)", 0}, {"perm(10,10)", 3628800}});
  // min and max look at the second argument first, which shows with NaN.
  ExpectValues({{"min(1,2)", 1}, {"min(3,2)", 2}, {"max(1,2)", 2}, {"max(3,2)", 3}});
  ExpectShown({{"min(sqrt(0-1),1)", "NAN"}, {"min(1,sqrt(0-1))", "1"}, {"phe(0)", "INF"},
               {"max(sqrt(0-1),1)", "NAN"}, {"gcd(2^1e9,2)", "NAN"}});  // Euclid would never end
}
// clang-format on

TEST(SpecialFunctions, SettleTheEdgesOfTheirDomainsAndEndPromptlyBeyondThem) {
  ExpectAllShown("INF", {"fact(171)", "fact(1e10)", "gamma(172)", "lgamma(2^1e9)", "bessi[3](1e12)",
                         "bessk[100000](1)"});
  // Poles, and ln of a negative gamma.
  ExpectAllShown("NAN", {"gamma(0)", "gamma(0-3)", "lgamma(0-0.5)", "neumann(0.3,0-1)"});
  ExpectAllShown("26", {"inverrf(0.9,0.5)", "inverrf(1,1e-300)"});
  // fact truncates its argument; the Fresnel phase of x^2 is kept exactly.
  // clang-format off
  ExpectShown({{"fact(0-0.5)", "1"}, {"erf(30)", "1"}, {"erfc(30)", "0"},
               {"fresnel_c(1e16)", "0.5"}, {"fresnel_s(0-1e16)", "-0.5"},
               {"fresnel_s(12345.678)", "0.50001097"}, {"bessj0(1e8)", "3.2060295E-05"},
               {"bessy1(1e7)", "8.683736E-05"}, {"bessj[5](1e9)", "-5.2104223E-06"},
               {"neumann(0.3,1e6)", "-0.00079713307"}, {"bessj[100000](1)", "0"},
               {"bessy[100000](1)", "-INF"}});
  // clang-format on
  EXPECT_EQ(special::Gamma(1), 1.0);
  EXPECT_EQ(special::Gamma(5), 24.0);
  // Huge orders, and negative ones for spherical j, are refused.
  ExpectAllShown("Error, order of the Bessel function out of range ",
                 {"bessj[100001](1)", "bessk[1e300](1)", "bessi[0-1e10](1)", "spbessj[0-1](1)",
                  "neumann(1e6,1)", "neumann(sqrt(0-1),1)"});
  // Non-finite arguments end promptly.
  for (const char* function :
       {"bessj[3]", "bessi[3]", "spbessj[3]", "bessk[3]", "fresnel_c", "fresnel_f", "gamma",
        "lgamma", "erf", "erf2", "bessk0", "bessi0", "bessj0", "nexperfc"}) {
    for (const char* argument : {"sqrt(0-1)", "2^1e9", "0-2^1e9"})
      Shown(std::string(function) + "(" + argument + ")");
  }
  for (const char* pair : {"neumann(0.3,2^1e9)", "neumann(2^1e9,2)", "neumann(0.3,sqrt(0-1))",
                           "inverrf(sqrt(0-1),0.1)", "comb(2^1e9,3)", "chepol(3,sqrt(0-1))"})
    Shown(pair);
}

TEST(FormatResult, FollowsPercentPoint8G) {
  // clang-format off
  const std::pair<double, const char*> cases[] = {
      {0.0, "0"}, {-0.0, "-0"}, {-2.5, "-2.5"}, {0.1 + 0.2, "0.3"}, {1.0 / 3, "0.33333333"},
      {12345678, "12345678"}, {123456789, "1.2345679E+08"}, {99999999.5, "1E+08"},
      {99999999.4, "99999999"}, {0.0001, "0.0001"}, {0.00012345678912, "0.00012345679"},
      {0.00001, "1E-05"}, {1e10, "1E+10"}, {-1.5e-10, "-1.5E-10"}, {0.0000999999999, "0.0001"},
      {5e-324, "4.9406565E-324"}, {1.7976931348623157e308, "1.7976931E+308"},
      {Limits::infinity(), "INF"}, {-Limits::infinity(), "-INF"}, {Limits::quiet_NaN(), "NAN"},
      {-Limits::quiet_NaN(), "NAN"}};
  // clang-format on
  for (const auto& [value, text] : cases) EXPECT_EQ(ExpressionEvaluator::FormatResult(value), text);
}

}  // namespace
}  // namespace pelmo
