// Bessel functions of integer order: backward recurrence for J, I and spherical j (started at
// an order found from the asymptotics), forward recurrence for Y and K. Only the running
// product of the ratios is kept, so memory does not grow with the order.
#include <cmath>
#include <limits>

#include "calc/HigherFunctions.h"

namespace pelmo::special {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// Beyond this start order the backward recurrence would take too long; the argument is then
// far above every accepted order, where the forward recurrence is stable.
constexpr double kMaxStartOrder = 3e5;

bool IsOdd(int k) {
  return k % 2 != 0;
}

// The start order aims at about nine digits; the recurrence starts this much higher for full
// double precision. The margin follows the width of the turning-point region, which grows as
// the cube root of x.
double RecurrenceStart(double x, int n, int mode) {
  const double start = StartOrder(x, n, mode) + 10 + 4 * std::cbrt(x);
  return mode == 1 ? std::floor(start) : 2 * std::floor(start / 2);
}

// J_k(x) for 0 <= k < x by forward recurrence.
double ForwardJ(int k, double x) {
  double previous = BesselJ0(x);
  if (k == 0) return previous;
  double current = BesselJ1(x);
  for (int i = 1; i < k; ++i) {
    const double next = 2 * i / x * current - previous;
    previous = current;
    current = next;
  }
  return current;
}

// j_k(x) for 0 <= k < x by forward recurrence.
double ForwardSphericalJ(int k, double x) {
  double previous = std::sin(x) / x;
  if (k == 0) return previous;
  double current = previous / x - std::cos(x) / x;
  for (int i = 1; i < k; ++i) {
    const double next = (2 * i + 1) / x * current - previous;
    previous = current;
    current = next;
  }
  return current;
}

}  // namespace

double StartOrder(double x, int n, int mode) {
  const double e = 2 * mode - 1;
  const double q = n / x;
  const double floor = 36 / x - n;
  double f = 0;
  if (q > 1 || mode == 1) {
    const double h = std::sqrt(e + q * q);
    f = q * std::log(q + h) - h;
  }
  f += 18 / x;
  if (f < floor) f = floor;
  const double s = std::sqrt(2 * (f + n));
  double m = x * (f + 1 + s) / (s + 1);
  double m0 = m;
  // The refinement converges in a few steps; the guard only stops runaway input.
  for (int step = 0; step < 1000; ++step) {
    m0 = m;
    const double r = m0 / x;
    const double h = std::sqrt(e + r * r);
    m = x * (f + h) / std::log(h + r);
    if (m > m0) continue;
    if (!(m < m0 - 1)) break;
  }
  return mode == 1 ? std::floor(m + 1) : -2 * std::floor(-m / 2);
}

double BesselJn(int k, double x) {
  if (k < 0) return IsOdd(k) ? -BesselJn(-k, x) : BesselJn(-k, x);
  if (x == 0) return k == 0 ? 1 : 0;
  if (std::isnan(x)) return x;
  const double a = std::fabs(x);
  const double start = RecurrenceStart(a, k + 1, 0);
  double value;
  if (!(start <= kMaxStartOrder)) {
    value = ForwardJ(k, a);
  } else {
    double r = 0;
    double z = 0;
    double sum = 0;
    double product = 1;
    for (int i = static_cast<int>(start); i >= 1; --i) {
      z = 2 - z;
      r = 1 / (i * (2 / a) - r);
      sum = (z + sum) * r;
      if (i <= k) product *= r;
    }
    value = product / (sum + 1);
  }
  return x < 0 && IsOdd(k) ? -value : value;
}

double BesselIn(int k, double x) {
  if (k < 0) k = -k;
  if (x == 0) return k == 0 ? 1 : 0;
  if (std::isnan(x)) return x;
  const double a = std::fabs(x);
  const double sign = x < 0 && IsOdd(k) ? -1 : 1;
  const double start = RecurrenceStart(a, k + 1, 1);
  if (!(start <= kMaxStartOrder)) return sign * kInf;  // e^a overflows long before this
  double r = 0;
  double sum = 0;
  double product = 1;
  for (int i = static_cast<int>(start); i >= 1; --i) {
    r = 1 / (r + i * (2 / a));
    sum = (sum + 2) * r;
    if (i <= k) product *= r;
  }
  const double scaled = product / (sum + 1);  // I_k(a) e^-a
  // Near the overflow threshold e^a alone overflows while the product does not.
  if (a < 700 || scaled == 0) return sign * std::exp(a) * scaled;
  return sign * std::exp(a + std::log(scaled));
}

double SphericalJn(int k, double x) {
  if (x < 0) return IsOdd(k) ? -SphericalJn(k, -x) : SphericalJn(k, -x);
  if (x == 0) return k == 0 ? 1 : 0;
  if (std::isnan(x)) return x;
  const double start = RecurrenceStart(x, k + 1, 0);
  if (!(start <= kMaxStartOrder)) return ForwardSphericalJ(k, x);
  double order0;
  if (x >= 0.015) {
    order0 = std::sin(x) / x;
  } else {
    const double s = x * x / 6;
    order0 = 1 - s + 0.3 * s * s;
  }
  double r = 0;
  double product = 1;
  for (int i = static_cast<int>(start); i >= 1; --i) {
    r = 1 / ((2 * i + 1) / x - r);
    if (i <= k) product *= r;
  }
  return order0 * product;
}

double BesselYn(int k, double x) {
  if (k < 0) return IsOdd(k) ? -BesselYn(-k, x) : BesselYn(-k, x);
  const Pair y = BesselY01(x);
  if (k == 0) return y.first;
  double previous = y.first;
  double current = y.second;
  for (int i = 2; i <= k && std::isfinite(current); ++i) {
    const double next = 2 * (i - 1) / x * current - previous;
    previous = current;
    current = next;
  }
  return current;
}

double BesselKn(int k, double x) {
  if (k < 0) k = -k;
  const Pair kk = BesselK01(x);
  if (k == 0) return kk.first;
  double previous = kk.first;
  double current = kk.second;
  for (int i = 2; i <= k && std::isfinite(current); ++i) {
    const double next = previous + 2 * (i - 1) / x * current;
    previous = current;
    current = next;
  }
  return current;
}

}  // namespace pelmo::special
