// Every special function against high-precision reference values over its domain.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <map>
#include <set>

#include "ReferenceData.h"

namespace pelmo::test {
namespace {

// Relative tolerances: a little above the worst error measured, and far below the 5e-9 that
// would change an eighth significant digit.
const std::map<std::string, double> kTolerance = {
    {"erf", 1e-14},       {"erfc", 1e-14},      {"erf2", 1e-14},      {"nexperfc", 1e-14},
    {"inverrf", 1e-14},   {"gamma", 1e-12},     {"lgamma", 1e-14},    {"fact", 1e-12},
    {"comb", 1e-14},      {"perm", 1e-14},      {"fresnel_c", 1e-14}, {"fresnel_s", 1e-14},
    {"fresnel_f", 1e-13}, {"fresnel_g", 1e-12}, {"bessj0", 1e-13},    {"bessj1", 1e-13},
    {"bessy0", 1e-12},    {"bessy1", 1e-12},    {"bessi0", 1e-12},    {"bessi1", 1e-12},
    {"bessk0", 1e-13},    {"bessk1", 1e-13},    {"bessj", 1e-12},     {"bessy", 1e-12},
    {"bessi", 1e-12},     {"bessk", 1e-12},     {"spbessj", 1e-12},   {"neumann", 1e-12},
    {"neumann1", 1e-12},  {"chepol", 1e-12},
};

// Oscillating functions are judged absolutely near their zeros: against the size of the
// function's envelope there, which for these is at most 1 and falls like 1/sqrt(x).
const std::set<std::string> kOscillating = {"bessj0", "bessj1",  "bessy0",  "bessy1",   "bessj",
                                            "bessy",  "spbessj", "neumann", "neumann1", "chepol"};

TEST(Accuracy, SpecialFunctionsMatchTheReferenceValues) {
  const auto points = LoadReferenceData(PELMO_TEST_DATA "/calc/reference.txt");
  ASSERT_GT(points.size(), 10000u);
  std::set<std::string> checked;
  for (const ReferencePoint& p : points) {
    const double computed = CalculatorValue(p);
    const double expected = static_cast<double>(p.value);
    const auto tolerance = kTolerance.find(p.function);
    ASSERT_NE(tolerance, kTolerance.end()) << p.function;
    checked.insert(p.function);
    const std::string where = p.function + "[" + std::to_string(p.order) + "](" +
                              std::to_string(p.x) + ", " + std::to_string(p.y) + ")";
    if (std::isinf(expected)) {
      EXPECT_EQ(computed, expected) << where;
      continue;
    }
    const double error = std::fabs(computed - expected);
    double scale = std::fabs(expected);
    if (kOscillating.count(p.function)) {
      const double envelope =
          p.function == "chepol" ? 1 : 1 / std::sqrt(std::fabs(p.y) + std::fabs(p.x) + 1);
      scale = std::max(scale, envelope * 1e-3);
    }
    EXPECT_LE(error, tolerance->second * scale + DBL_MIN)
        << where << " = " << computed << ", not " << expected;
  }
  EXPECT_EQ(checked.size(), kTolerance.size());
}

}  // namespace
}  // namespace pelmo::test
