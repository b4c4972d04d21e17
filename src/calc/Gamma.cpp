// Gamma family and the incomplete gamma function.
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "calc/Series.h"
#include "calc/HigherFunctions.h"

namespace pelmo::special {
namespace {

#include "calc/HigherCoefficients.inc"

constexpr double kPi = 3.14159265358979323846;
constexpr double kLnSqrt2Pi = 0.91893853320467274178;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// 0! .. 32!, each the product of the one before, as an on-demand cache would fill it.
constexpr std::array<double, 33> MakeFactorials() {
  std::array<double, 33> table{};
  table[0] = 1;
  for (int n = 1; n < 33; ++n) table[n] = n * table[n - 1];
  return table;
}
constexpr std::array<double, 33> kFactorials = MakeFactorials();

// Products of small integers are exact up to 2^53; beyond that each factor adds one rounding.
constexpr double kMaxProductTerms = 1000;

// ln Gamma(2 + z) for |z| <= 0.5, from its Taylor series.
double LogGammaNear2(double z) {
  return z * Polynomial(kLogGammaAt2, z);
}

double LogGammaStirling(double x) {
  const double inverse = 1 / x;
  return (x - 0.5) * std::log(x) - x + kLnSqrt2Pi +
         inverse * Polynomial(kStirling, inverse * inverse);
}

// ln Gamma(x) for x > 0. Every shift keeps the series argument exact, so the zeros at 1 and 2
// keep their full relative accuracy.
double LogGammaPositive(double x) {
  if (x >= 10) return std::isinf(x) ? x : LogGammaStirling(x);
  if (x < 0.5) return LogGammaNear2(x) - std::log(x) - std::log1p(x);
  if (x < 1.5) return LogGammaNear2(x - 1) - std::log(x);
  double product = 1;
  while (x >= 2.5) {
    x -= 1;
    product *= x;
  }
  return LogGammaNear2(x - 2) + std::log(product);
}

// sin(pi x), reduced exactly first so that it vanishes at the integers.
double SinPi(double x) {
  const double r = std::fmod(x, 2.0);
  const double nearest = std::nearbyint(r);
  const double s = std::sin(kPi * (r - nearest));
  return std::fmod(nearest, 2.0) == 0 ? s : -s;
}

bool IsSmallCount(double v) {
  return v >= 0 && v <= kMaxProductTerms && v == std::trunc(v);
}

}  // namespace

double Gammln(double x) {
  if (x > 0) return LogGammaPositive(x);
  if (x == std::trunc(x)) return kInf;
  return std::log(kPi / std::fabs(SinPi(x))) - LogGammaPositive(1 - x);
}

double Gamma(double x) {
  if (x == 1) return 1;
  if (x >= 1 && x == std::trunc(x)) return x > 171 ? kInf : Factorial(static_cast<int>(x) - 1);
  if (x > 0) return std::exp(LogGammaPositive(x));
  if (x == std::trunc(x) || std::isnan(x)) return kNaN;  // the poles
  // Gamma(x) = pi / (sin(pi x) Gamma(1 - x)); in logarithms, since Gamma(1 - x) overflows
  // before the quotient underflows.
  const double sine = SinPi(x);
  const double magnitude = std::exp(std::log(kPi / std::fabs(sine)) - LogGammaPositive(1 - x));
  return sine < 0 ? -magnitude : magnitude;
}

double LogGamma(double x) {
  // Directly for positive x, so that it does not overflow where Gamma does.
  return x > 0 ? LogGammaPositive(x) : std::log(Gamma(x));
}

double Factorial(int n) {
  if (n < static_cast<int>(kFactorials.size())) return kFactorials[n];
  return std::exp(Gammln(n + 1.0));
}

double Binomial(double n, double k) {
  if (k > n) return 0;
  const double smaller = std::min(k, n - k);
  if (IsSmallCount(smaller)) {
    double result = 1;
    for (double i = 1; i <= smaller; ++i) result = result * (n - smaller + i) / i;
    return result;
  }
  return std::exp(Gammln(n + 1) - Gammln(k + 1) - Gammln(n - k + 1));
}

double Permutations(double m, double n) {
  if (n > m) return 0;
  if (IsSmallCount(n)) {
    double result = 1;
    for (double i = 0; i < n; ++i) result *= m - i;
    return result;
  }
  return std::exp(Gammln(m + 1) - Gammln(m - n + 1));
}

double Gammp(double a, double x) {
  constexpr int kMaxSteps = 100;
  constexpr double kTiny = 1e-30;
  const double gln = Gammln(a);
  if (x < a + 1) {
    if (x <= 0) return 0;
    double ap = a;
    double del = 1 / a;
    double sum = del;
    for (int n = 0; n < kMaxSteps; ++n) {
      ap += 1;
      del *= x / ap;
      sum += del;
      if (std::fabs(del) < std::fabs(sum) * 3e-16) break;
    }
    // Without convergence the partial sum is the best value there is.
    return sum * std::exp(-x + a * std::log(x) - gln);
  }
  // Continued fraction for Q(a, x), modified Lentz.
  double b = x + 1 - a;
  double c = 1 / kTiny;
  double d = 1 / b;
  double h = d;
  for (int i = 1; i <= kMaxSteps; ++i) {
    const double an = -i * (i - a);
    b += 2;
    d = an * d + b;
    if (std::fabs(d) < kTiny) d = kTiny;
    c = b + an / c;
    if (std::fabs(c) < kTiny) c = kTiny;
    d = 1 / d;
    const double del = d * c;
    h *= del;
    if (std::fabs(del - 1) < 3e-16) break;
  }
  return 1 - std::exp(-x + a * std::log(x) - gln) * h;
}

}  // namespace pelmo::special
