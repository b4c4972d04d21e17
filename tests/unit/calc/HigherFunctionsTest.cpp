// Values inside the reference data's ranges are checked by the accuracy test; these are the
// edges beyond them: poles, overflow, huge arguments and orders.
#include <gtest/gtest.h>

#include <string>

#include "Evaluate.h"
#include "calc/HigherFunctions.h"

namespace pelmo {
namespace {

using test::ExpectAllShown;
using test::Shown;

TEST(SpecialFunctions, SettleTheEdgesOfTheirDomains) {
  ExpectAllShown("INF", {"fact(171)", "fact(1e10)", "gamma(172)", "lgamma(2^1e9)", "bessi[3](1e12)",
                         "bessk[100000](1)"});
  // Poles, and ln of a negative gamma.
  ExpectAllShown("NAN", {"gamma(0)", "gamma(0-3)", "lgamma(0-0.5)", "neumann(0.3,0-1)"});
  ExpectAllShown("26", {"inverrf(0.9,0.5)", "inverrf(1,1e-300)"});
  // fact takes the integer part; the Fresnel phase of x^2 is kept exactly.
  test::ExpectShown({{"fact(0-0.5)", "1"},
                     {"erf(30)", "1"},
                     {"erfc(30)", "0"},
                     {"fresnel_c(1e16)", "0.5"},
                     {"fresnel_s(0-1e16)", "-0.5"},
                     {"fresnel_s(12345.678)", "0.50001097"},
                     {"bessj0(1e8)", "3.2060295E-05"},
                     {"bessy1(1e7)", "8.683736E-05"},
                     {"bessj[5](1e9)", "-5.2104223E-06"},
                     {"neumann(0.3,1e6)", "-0.00079713307"},
                     {"bessj[100000](1)", "0"},
                     {"bessy[100000](1)", "-INF"}});
  EXPECT_EQ(special::Gamma(1), 1.0);
  EXPECT_EQ(special::Gamma(5), 24.0);
  // Huge orders, and negative ones for spherical j, are refused.
  ExpectAllShown("Error, order of the Bessel function out of range ",
                 {"bessj[100001](1)", "bessk[1e300](1)", "bessi[0-1e10](1)", "spbessj[0-1](1)",
                  "neumann(1e6,1)", "neumann(sqrt(0-1),1)"});
}

TEST(SpecialFunctions, NonFiniteArgumentsEndPromptly) {
  for (const char* function :
       {"bessj[3]", "bessi[3]", "spbessj[3]", "bessk[3]", "fresnel_c", "fresnel_f", "gamma",
        "lgamma", "erf", "erf2", "bessk0", "bessi0", "bessj0", "nexperfc"}) {
    for (const char* argument : {"sqrt(0-1)", "2^1e9", "0-2^1e9"}) {
      Shown(std::string(function) + "(" + argument + ")");
    }
  }
  for (const char* pair : {"neumann(0.3,2^1e9)", "neumann(2^1e9,2)", "neumann(0.3,sqrt(0-1))",
                           "inverrf(sqrt(0-1),0.1)", "comb(2^1e9,3)", "chepol(3,sqrt(0-1))"}) {
    Shown(pair);
  }
}

}  // namespace
}  // namespace pelmo
