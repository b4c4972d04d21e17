// x^2 as an unevaluated sum high + low, exactly (Dekker's product, no fused multiply-add
// needed), for the functions whose phase or exponent is x^2 at large x.
#pragma once

namespace pelmo::special {

struct ExactSquare {
  double high;
  double low;
};

inline ExactSquare Square(double x) {
  const double split = 134217729.0 * x;  // 2^27 + 1
  const double high = split - (split - x);
  const double low = x - high;
  const double square = x * x;
  return {square, ((high * high - square) + 2 * high * low) + low * low};
}

}  // namespace pelmo::special
