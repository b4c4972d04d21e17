#include <gtest/gtest.h>

#include <limits>

#include "calc/ExpressionEvaluator.h"

namespace pelmo {
namespace {

TEST(FormatResult, FollowsPercentPoint8G) {
  using Limits = std::numeric_limits<double>;
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {{0.0, "0"},
                        {-0.0, "-0"},
                        {-2.5, "-2.5"},
                        {0.1 + 0.2, "0.3"},
                        {1.0 / 3, "0.33333333"},
                        {12345678, "12345678"},
                        {123456789, "1.2345679E+08"},
                        {99999999.5, "1E+08"},
                        {99999999.4, "99999999"},
                        {0.0001, "0.0001"},
                        {0.00012345678912, "0.00012345679"},
                        {0.00001, "1E-05"},
                        {1e10, "1E+10"},
                        {-1.5e-10, "-1.5E-10"},
                        {0.0000999999999, "0.0001"},
                        {5e-324, "4.9406565E-324"},
                        {1.7976931348623157e308, "1.7976931E+308"},
                        {Limits::infinity(), "INF"},
                        {-Limits::infinity(), "-INF"},
                        {Limits::quiet_NaN(), "NAN"},
                        {-Limits::quiet_NaN(), "NAN"}};
  for (const Case& c : cases)
    EXPECT_EQ(ExpressionEvaluator::FormatResult(c.value), c.text) << c.text;
}

}  // namespace
}  // namespace pelmo
