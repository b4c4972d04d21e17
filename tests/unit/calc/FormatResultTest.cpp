#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calc/ExpressionEvaluator.h"

namespace pelmo {
namespace {

TEST(FormatResult, FollowsPercentPoint8G) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
      {0.0, "0"},
      {-0.0, "-0"},
      {100, "100"},
      {-2.5, "-2.5"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3, "0.33333333"},
      {2.0 / 3, "0.66666667"},
      {12345678, "12345678"},
      {123456789, "1.2345679E+08"},
      {99999999.5, "1E+08"},
      {99999999.4, "99999999"},
      {1e8, "1E+08"},
      {0.0001, "0.0001"},
      {0.00012345678912, "0.00012345679"},
      {0.00001, "1E-05"},
      {0.0000999999999, "0.0001"},
      {1.5e-300, "1.5E-300"},
      {1e100, "1E+100"},
      {-1.2345e-7, "-1.2345E-07"},
      {5e-324, "4.9406565E-324"},
      {1.7976931348623157e308, "1.7976931E+308"},
      {std::numeric_limits<double>::infinity(), "INF"},
      {-std::numeric_limits<double>::infinity(), "-INF"},
      {std::numeric_limits<double>::quiet_NaN(), "NAN"},
      {-std::numeric_limits<double>::quiet_NaN(), "NAN"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExpressionEvaluator::FormatResult(c.value), c.text) << c.text;
  }
}

}  // namespace
}  // namespace pelmo
