#include <gtest/gtest.h>

#include <cmath>

#include "Evaluate.h"

namespace pelmo {
namespace {

using test::ExpectShown;
using test::ExpectValues;
using test::ValueOf;

constexpr double kPi = 3.141592653589793;

TEST(FunctionTable, ConvertsUnitsWithTheTableFactors) {
  ExpectValues({{"c_k(0)", 273.6},
                {"k_c(273.6)", 0},
                {"c_fh(100)", 212},
                {"fh_c(212)", 100},
                {"fh_k(32)", 273.6},
                {"k_fh(273.6)", 32}});
  ExpectValues({{"deg(1)", 57.29577951471995},
                {"rad(1)", 0.017453292519444445},
                {"phe(2)", 0.6199},
                {"ft_m(2)", 0.6096},
                {"yd_m(1)", 0.9144},
                {"in_m(1)", 0.0254},
                {"ps_m(1)", 3.086e16},
                {"ly_m(1)", 9.45755e15},
                {"au_m(1)", 1.496134e11},
                {"gal_l(1)", 3.785},
                {"pt_l(1)", 0.473},
                {"oz_l(1)", 0.029573},
                {"in3_l(1)", 0.0163871},
                {"l_m3(1)", 0.001},
                {"pd_kg(1)", 0.454}});
  ExpectShown({{"phe(0)", "INF"}});
}

TEST(FunctionTable, ComputesTheElementaryRows) {
  ExpectValues({{"sin(pi/2)", 1},
                {"cos(0)", 1},
                {"tan(pi/4)", std::tan(kPi / 4)},
                {"atan(1)", kPi / 4},
                {"acos(0)", kPi / 2},
                {"asin(1)", kPi / 2},
                {"cosh(1)", std::cosh(1)},
                {"sinh(1)", std::sinh(1)},
                {"exp(1)", std::exp(1)},
                {"ln(e)", 1},
                {"log(1000)", 3},
                {"sqrt(2)", std::sqrt(2)}});
  ExpectValues({{"int(3.99)", 3},
                {"int(0-2.7)", -2},
                {"int(1e10+0.5)", 1e10},
                {"frc(3.25)", 0.25},
                {"frc(0-2.5)", -0.5}});
  // Every quadrant and axis of the angle.
  ExpectValues({{"angle(1,1)", kPi / 4},
                {"angle(1,0-1)", 3 * kPi / 4},
                {"angle(0-1,0-1)", -3 * kPi / 4},
                {"angle(0,0-2)", kPi},
                {"angle(0-2,0)", -kPi / 2},
                {"angle(0,0)", kPi / 2},
                {"angle(0,3)", 0}});
  // Integer parts, remainders with the dividend's sign, beyond 32 bits.
  ExpectValues({{"gcd(12,18)", 6},
                {"gcd(0-4,6)", 2},
                {"gcd(4,0-6)", -2},
                {"gcd(12.9,18.2)", 6},
                {"gcd(0,5)", 5},
                {"gcd(1e12,4e11)", 2e11},
                {"lcm(4,6)", 12},
                {"lcm(0,0)", 0}});
  ExpectValues({{"comb(2,5)", 0}, {"perm(2,5)", 0}, {"perm(10,10)", 3628800}});
  // min and max look at the second argument first, which shows with NaN.
  ExpectValues({{"min(1,2)", 1}, {"min(3,2)", 2}, {"max(1,2)", 2}, {"max(3,2)", 3}});
  ExpectShown({{"min(sqrt(0-1),1)", "NAN"},
               {"min(1,sqrt(0-1))", "1"},
               {"max(sqrt(0-1),1)", "NAN"},
               {"gcd(2^1e9,2)", "NAN"}});  // Euclid would never end
}

}  // namespace
}  // namespace pelmo
