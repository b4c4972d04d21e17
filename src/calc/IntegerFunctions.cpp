// Chebyshev polynomials, greatest common divisor and least common multiple.
#include <cmath>
#include <limits>

#include "calc/HigherFunctions.h"

namespace pelmo::special {

double Chepol(int n, double x) {
  // The recurrence is exact enough and cheap up to this degree; beyond it the closed forms
  // keep the time bounded.
  constexpr int kMaxRecurrence = 1000000;
  if (n == 0) return 1;
  if (n > kMaxRecurrence && std::fabs(x) <= 1) return std::cos(n * std::acos(x));
  if (n > kMaxRecurrence) {
    const double value = std::cosh(n * std::acosh(std::fabs(x)));
    return x < 0 && n % 2 != 0 ? -value : value;
  }
  double previous = 1;
  double current = x;
  for (int k = 1; k < n; ++k) {
    const double next = 2 * x * current - previous;
    previous = current;
    current = next;
  }
  return current;
}

// Euclid's algorithm on the integer parts, with remainders taking the sign of the dividend.
// On doubles, so that integers beyond 32 bits work too; fmod is exact.
double Gcd(double x, double y) {
  double a = std::trunc(x);
  const double b = std::trunc(y);
  if (!std::isfinite(a) || !std::isfinite(b)) return std::numeric_limits<double>::quiet_NaN();
  if (a == 0) return b;
  double r = std::fmod(b, a);
  while (r != 0) {
    const double next = std::fmod(a, r);
    a = r;
    r = next;
  }
  return a;
}

double Lcm(double x, double y) {
  const double divisor = Gcd(x, y);
  return divisor == 0 ? 0 : x / divisor * y;
}

}  // namespace pelmo::special
