// Bessel functions of the second kind of real order: Temme's series below x = 3, Temme's
// continued fraction for the Hankel function above, then the order recurrence.
#include <cmath>
#include <complex>
#include <limits>

#include "calc/Series.h"
#include "calc/HigherFunctions.h"

namespace pelmo::special {
namespace {

#include "calc/HigherCoefficients.inc"

constexpr double kPi = 3.14159265358979323846;
constexpr double kEpsilon = 1e-16;
constexpr int kMaxSteps = 10000;

// Y_mu and Y_mu+1 for |mu| < 1/2 and 0 < x < 3.
Pair TemmeSeries(double mu, double x) {
  const double x2 = 0.5 * x;
  const double pimu = kPi * mu;
  const double fact = std::fabs(pimu) < 1e-8 ? 1 : pimu / std::sin(pimu);
  const double d = -std::log(x2);
  double e = mu * d;
  const double fact2 = std::fabs(e) < 1e-8 ? 1 : std::sinh(e) / e;
  const double t = 8 * mu * mu - 1;
  const double gam1 = ChebyshevSum(kGam1, kGam1Half, t);
  const double gam2 = ChebyshevSum(kGam2, kGam2Half, t);
  const double gampl = gam2 - mu * gam1;  // 1/Gamma(1 + mu)
  const double gammi = gam2 + mu * gam1;  // 1/Gamma(1 - mu)
  double ff = 2 / kPi * fact * (gam1 * std::cosh(e) + gam2 * fact2 * d);
  e = std::exp(e);
  double p = e / (gampl * kPi);
  double q = 1 / (e * kPi * gammi);
  const double pimu2 = 0.5 * pimu;
  const double fact3 = std::fabs(pimu2) < 1e-8 ? 1 : std::sin(pimu2) / pimu2;
  const double r = kPi * pimu2 * fact3 * fact3;
  double c = 1;
  const double step = -x2 * x2;
  double sum = ff + r * q;
  double sum1 = p;
  for (int i = 1; i <= kMaxSteps; ++i) {
    ff = (i * ff + p + q) / (i * static_cast<double>(i) - mu * mu);
    c *= step / i;
    p /= i - mu;
    q /= i + mu;
    const double del = c * (ff + r * q);
    sum += del;
    const double del1 = c * p - i * del;
    sum1 += del1;
    if (std::fabs(del) / (1 + std::fabs(sum)) + std::fabs(del1) / (1 + std::fabs(sum1)) <= 1e-15) {
      break;
    }
  }
  return {-sum, -sum1 * 2 / x};
}

// Y_mu and Y_mu+1 for |mu| <= 1/2 and x >= 3, from H_mu(x) = sqrt(2/(pi x)) e^(i phase) / s,
// where s is Temme's normalising sum for K_mu(-i x).
Pair HankelContinuedFraction(double mu, double x) {
  using Complex = std::complex<double>;
  const Complex z(0, -x);
  Complex b = 2.0 * (1.0 + z);
  Complex d = 1.0 / b;
  Complex h = d;
  Complex delh = d;
  Complex q1 = 0;
  Complex q2 = 1;
  const double a1 = 0.25 - mu * mu;
  Complex q = a1;
  double c = a1;
  double a = -a1;
  Complex s = 1.0 + q * delh;
  for (int i = 2; i <= kMaxSteps; ++i) {
    a -= 2 * (i - 1);
    c = -a * c / i;
    const Complex qnew = (q1 - b * q2) / a;
    q1 = q2;
    q2 = qnew;
    q += c * qnew;
    b += 2.0;
    d = 1.0 / (b + a * d);
    delh = (b * d - 1.0) * delh;
    h += delh;
    const Complex dels = q * delh;
    s += dels;
    if (std::abs(dels) < kEpsilon * std::abs(s)) break;
  }
  h *= a1;
  // e^(i (x - (mu + 1/2) pi/2)) as a product, so that no rounding of the sum reaches the phase.
  const double shift = (mu + 0.5) * kPi / 2;
  const Complex phase =
      Complex(std::cos(x), std::sin(x)) * Complex(std::cos(shift), -std::sin(shift));
  const Complex hankel = std::sqrt(2 / (kPi * x)) * phase / s;
  const Complex hankel1 = hankel * Complex(0, -1) * (mu + z + 0.5 - h) / z;
  return {hankel.imag(), hankel1.imag()};
}

}  // namespace

Pair RealOrderY(double a, double x) {
  if (a == 0) return BesselY01(x);
  if (!(x > 0) || std::isnan(a)) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    return {nan, nan};
  }
  double n = 0;
  double mu = a;
  if (a < -0.5 || a >= 0.5) {
    n = std::floor(a + 0.5);
    mu = a - n;
  }
  Pair y;
  if (mu == -0.5) {
    const double scale = std::sqrt(2 / (kPi * x));
    y = {scale * std::sin(x), -scale * std::cos(x)};
  } else if (x < 3) {
    y = TemmeSeries(mu, x);
  } else {
    y = HankelContinuedFraction(mu, x);
  }
  // Carry (Y_nu, Y_nu+1) from nu = mu to nu = a.
  double low = y.first;
  double high = y.second;
  for (double nu = mu + 1; n > 0 && std::isfinite(high); --n, nu += 1) {
    const double next = 2 * nu / x * high - low;
    low = high;
    high = next;
  }
  for (double nu = mu; n < 0 && std::isfinite(low); ++n, nu -= 1) {
    const double previous = 2 * nu / x * low - high;
    high = low;
    low = previous;
  }
  return {low, high};
}

}  // namespace pelmo::special
