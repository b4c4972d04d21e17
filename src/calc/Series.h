// Evaluation of the polynomial and Chebyshev tables of the special functions.
#pragma once

#include <cstddef>

namespace pelmo::special {

// c[0] + c[1] t + c[2] t^2 + ...
template <std::size_t N>
double Polynomial(const double (&c)[N], double t) {
  double sum = 0;
  for (std::size_t k = N; k-- > 0;) sum = sum * t + c[k];
  return sum;
}

// half + c[0] T1(t) + c[1] T2(t) + ..., by Clenshaw's recurrence from the highest order down.
template <std::size_t N>
double ChebyshevSum(const double (&c)[N], double half, double t) {
  double b1 = 0;
  double b2 = 0;
  for (std::size_t k = N; k-- > 0;) {
    const double b = 2 * t * b1 - b2 + c[k];
    b2 = b1;
    b1 = b;
  }
  return t * b1 - b2 + half;
}

}  // namespace pelmo::special
