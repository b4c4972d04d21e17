// Error function family: rational approximations, erf through the incomplete gamma function,
// and the inverse error function by Chebyshev expansions.
#include <cmath>

#include "calc/ExactSquare.h"
#include "calc/Series.h"
#include "calc/HigherFunctions.h"

namespace pelmo::special {
namespace {

#include "calc/HigherCoefficients.inc"

constexpr double kSmallP[] = {242.667955230532, 21.9792616182942, 6.99638348861914,
                              -0.0356098437018154};
constexpr double kSmallQ[] = {215.058875869861, 91.1649054045149, 15.0827976304078, 1};
constexpr double kMidP[] = {300.459261020162,  451.918953711873,     339.320816734344,
                            152.98928504694,   43.1622272220567,     7.21175825088309,
                            0.564195517478974, -1.36864857382717e-07};
constexpr double kMidQ[] = {300.459260956983, 790.950925327898, 931.35409485061,  638.980264465631,
                            277.585444743988, 77.0001529352295, 12.7827273196294, 1};
constexpr double kFarN[] = {0.00299610707703542, 0.0494730910623251, 0.226956593539687,
                            0.278661308609648, 0.0223192459734185};
constexpr double kFarD[] = {0.0106209230528468, 0.19130892610783, 1.05167510706793,
                            1.98733201817135, 1};

// erf for |x| <= 0.5.
double ErfSmall(double x) {
  const double t = x * x;
  return x * Polynomial(kSmallP, t) / Polynomial(kSmallQ, t);
}

// exp(c^2) erfc(c) for c > 0.5.
double ScaledErfcPositive(double c) {
  if (c < 4) return Polynomial(kMidP, c) / Polynomial(kMidQ, c);
  const double u = 1 / (c * c);
  return (0.564189583547756 - u * Polynomial(kFarN, u) / Polynomial(kFarD, u)) / c;
}

template <std::size_t N>
double Chebyshev(const double (&c)[N], double t) {
  return Clenshaw(c, static_cast<int>(N) - 1, t);
}

}  // namespace

Pair ErfPair(double x) {
  if (x < -5.5) return {-1, 2};
  if (std::fabs(x) <= 0.5) {
    const double erf = ErfSmall(x);
    return {erf, 1 - erf};
  }
  // erfc keeps its tiny values beyond 26, where erf is 1; exp then underflows to 0 by itself.
  const double c = std::fabs(x);
  // Beyond 27.3 erfc is below the smallest double.
  const ExactSquare square = Square(std::fmin(c, 28.0));
  const double erfc = ScaledErfcPositive(c) * std::exp(-square.high) * std::exp(-square.low);
  if (x < 0) return {erfc - 1, 2 - erfc};
  return {x > 26 ? 1 : 1 - erfc, erfc};
}

double ScaledErfc(double x) {
  const double c = std::fabs(x);
  const double e = std::exp(x * x);
  if (c <= 0.5) return e * (1 - ErfSmall(x));
  const double r = ScaledErfcPositive(c);
  return x > 0 ? r : 2 * e - r;
}

double Erf2(double x) {
  if (x > 26) return 1;
  if (x < -5.5) return -1;
  const double p = Gammp(0.5, x * x);
  return x < 0 ? -p : p;
}

double Clenshaw(const double* c, int n, double t) {
  if (n == 0) return c[0];
  if (n == 1) return c[0] + t * c[1];
  double b2 = c[n];
  double b1 = 2 * t * c[n] + c[n - 1];
  for (int k = n - 2; k >= 1; --k) {
    const double b = 2 * t * b1 + c[k] - b2;
    b2 = b1;
    b1 = b;
  }
  return t * b1 + c[0] - b2;
}

double InverseErf(double x, double y) {
  const double a = std::fabs(x);
  if (a > 0.8 && y > 0.2) y = 0;  // an inconsistent complement
  if (a <= 0.8) return x * Chebyshev(kInvErfSmall, 3.125 * x * x - 1);
  if (!(y >= 1.1754943508222875e-38)) return std::copysign(26.0, x);
  const double w = std::sqrt(-std::log((1 + a) * y));
  double s;
  if (y >= 0.0025) {
    s = Chebyshev(kInvErfMid, 2.56549012314782 - 1.54881304237326 * w);
  } else if (y >= 5e-16) {
    s = Chebyshev(kInvErfTail, 2.28791571626336 - 0.559457631329832 * w);
  } else {
    s = Chebyshev(kInvErfFar, 2.7949908201246 - 9.19999235883015 / std::sqrt(w));
  }
  return x < 0 ? -w * s : w * s;
}

}  // namespace pelmo::special
