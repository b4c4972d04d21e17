// Bessel functions of order 0 and 1: J, Y, I and K.
#include <cmath>

#include "calc/Series.h"
#include "calc/HigherFunctions.h"

namespace pelmo::special {
namespace {

#include "calc/HigherCoefficients.inc"

constexpr double kTwoOverPi = 0.636619772367581;
constexpr double kSqrtTwoOverPi = 0.797884560802865;
constexpr double kSqrtHalf = 0.70710678118654752440;
constexpr double kEulerGamma = 0.5772156649015329;

// The asymptotic factors of J and Y for |x| >= 8.
struct Asymptotic {
  double p0, q0, p1, q1, cosine, sine, scale;
};

Asymptotic AsymptoticFactors(double a) {
  const double d = 8 / a;
  const double t = 2 * d * d - 1;
  // theta = a - 9 pi/4, taken apart so that no rounding of a - 9 pi/4 reaches the phase.
  const double cosine = std::cos(a);
  const double sine = std::sin(a);
  return {ChebyshevSum(kP0Large, kP0LargeHalf, t),
          d * ChebyshevSum(kQ0Large, kQ0LargeHalf, t),
          ChebyshevSum(kP1Large, kP1LargeHalf, t),
          d * ChebyshevSum(kQ1Large, kQ1LargeHalf, t),
          (cosine + sine) * kSqrtHalf,
          (sine - cosine) * kSqrtHalf,
          kSqrtTwoOverPi / std::sqrt(a)};
}

double SmallT(double x) {
  const double r = x / 8;
  return 2 * r * r - 1;
}

// Power series sum (x^2/4)^k / (k! (k + order)!) for |x| <= 15: all terms positive.
double ModifiedSeries(double x, int order) {
  const double d = x * x / 4;
  double term = 1;
  double sum = 1;
  for (int k = 1; k < 200 && term > sum * 1e-17; ++k) {
    term *= d / (k * static_cast<double>(k + order));
    sum += term;
  }
  return sum;
}

// Large-argument tables of I0 and I1, orders 1 and up.
constexpr double kI0A[] = {-143464.631313583, 7840.34249005088, -115.591978104435, 0.2439260769778};
constexpr double kI0B[] = {-361847.779219653, 20312.8436100794, -325.197333369824, 1};
constexpr double kI1A[] = {-408928.084944275, 22054.9722260336, -362.026420242263, 1.49405281474};
constexpr double kI1B[] = {-1004254.28133695, 49681.1949533398, -631.00320055159, 1};

double ModifiedLarge(double a, const double (&ta)[4], double ca, const double (&tb)[4], double cb) {
  const double z = 30 / a - 1;
  const double scaled = ChebyshevSum(ta, ca, z) / ChebyshevSum(tb, cb, z) / std::sqrt(a);
  // Near the overflow threshold e^a alone overflows while the value does not.
  return a < 700 ? std::exp(a) * scaled : std::exp(a + std::log(scaled));
}

Pair KSeries(double x) {
  double a = std::log(2 / x) - kEulerGamma;
  const double d = x * x / 4;
  double k0 = a;
  double s = -1 - 2 * a;
  double aux = s;
  double p = 1;
  double w = 1;
  double k = 2;
  for (int step = 0; step < 1000; ++step) {
    const double r = 1 / k;
    k += 1;
    p *= d * w * w;
    a += w;
    s = (s - w) - r;
    k0 += p * a;
    aux += p * r * s;
    w = r;
    if (std::fabs(p * a / k0) + std::fabs(p * r * s / aux) <= 1e-15) break;
  }
  return {k0, (d * aux + 1) / x};
}

Pair KQuadrature(double x) {
  const double g = 1 / std::sqrt(5 * x);
  double sum0 = 0.5;
  double sum1 = 0;
  for (int i = 1; i <= 20; ++i) {
    const double u2 = 0.1 * i * i;
    const double h = std::sqrt(1 + u2 / (2 * x));
    sum0 += kKWeights[i - 1] / h;
    sum1 += h * u2 * kKWeights[i - 1];
  }
  const double e = std::exp(-x);
  return {e * g * sum0, e * 2 * g * sum1};
}

}  // namespace

double BesselJ0(double x) {
  if (x == 0) return 1;
  const double a = std::fabs(x);
  if (a < 8) return ChebyshevSum(kJ0Small, kJ0SmallHalf, SmallT(x));
  const Asymptotic f = AsymptoticFactors(a);
  return f.scale * (f.p0 * f.cosine - f.q0 * f.sine);
}

double BesselJ1(double x) {
  if (x == 0) return 0;
  const double a = std::fabs(x);
  if (a < 8) return x / 8 * ChebyshevSum(kJ1Small, kJ1SmallHalf, SmallT(x));
  const Asymptotic f = AsymptoticFactors(a);
  const double value = f.scale * (f.q1 * f.cosine + f.p1 * f.sine);
  return x < 0 ? -value : value;
}

Pair BesselY01(double x) {
  if (x < 8) {
    const double t = SmallT(x);
    const double ln = kTwoOverPi * std::log(x);
    return {ln * BesselJ0(x) + ChebyshevSum(kY0Small, kY0SmallHalf, t),
            ln * BesselJ1(x) - kTwoOverPi / x + x / 8 * ChebyshevSum(kY1Small, kY1SmallHalf, t)};
  }
  const Asymptotic f = AsymptoticFactors(x);
  return {f.scale * (f.q0 * f.cosine + f.p0 * f.sine), f.scale * (f.q1 * f.sine - f.p1 * f.cosine)};
}

double BesselI0(double x) {
  const double a = std::fabs(x);
  if (a <= 15) return ModifiedSeries(x, 0);
  return ModifiedLarge(a, kI0A, 346519.833357379, kI0B, 865665.274832055);
}

double BesselI1(double x) {
  const double a = std::fabs(x);
  if (a <= 15) return x / 2 * ModifiedSeries(x, 1);
  const double value = ModifiedLarge(a, kI1A, 1027766.92371524, kI1B, 2602887.6789105);
  return x < 0 ? -value : value;
}

Pair BesselK01(double x) {
  if (x <= 1.5) return KSeries(x);
  if (x <= 5) return KQuadrature(x);
  const double z = 10 / x - 1;
  const double scale = std::exp(-x) * std::sqrt(1.5707963267948966 / x);
  return {scale * ChebyshevSum(kK0Large, kK0LargeHalf, z),
          scale * ChebyshevSum(kK1Large, kK1LargeHalf, z)};
}

}  // namespace pelmo::special
