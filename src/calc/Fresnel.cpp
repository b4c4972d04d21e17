// Fresnel integrals C, S and their auxiliary functions f, g.
#include <cmath>
#include <complex>

#include "calc/ExactSquare.h"
#include "calc/Series.h"
#include "calc/HigherFunctions.h"

namespace pelmo::special {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kHalfPi = 1.57079632679489661923;

constexpr double kN1Near[] = {1, -0.199460898826184, 0.0176193952543491, -0.000528079651372623,
                              5.47711385682687e-06};
constexpr double kD1Near[] = {1, 0.0472792112010453, 0.00109957215025642, 1.55237885276994e-05,
                              1.18938901422876e-07};
constexpr double kN2Near[] = {0.523598775598299, -0.0707489915144523, 0.00387782123463683,
                              -8.45557284352777e-05, 6.71748466625141e-07};
constexpr double kD2Near[] = {1, 0.0411223151142384, 0.000817091942152134, 9.62690875939034e-06,
                              5.9528122767841e-08};
constexpr double kN1Mid[] = {1.00000000000111,      -0.207073360335324,   0.0191870279431747,
                             -0.000671376034694922, 1.02365435056106e-05, -5.68293310121871e-08};
constexpr double kD1Mid[] = {1,
                             0.0396667496952323,
                             0.00078890524505236,
                             1.01344630866749e-05,
                             8.77945377892369e-08,
                             4.4170137406501e-10};
constexpr double kN2Mid[] = {0.523598775598344,     -0.0737766914010191,  0.00430730526504367,
                             -0.000109540023911435, 1.28531043742725e-06, -5.76765815593089e-09};
constexpr double kD2Mid[] = {1,
                             0.0353398342767472,
                             0.000618224620195473,
                             6.8708626571862e-06,
                             5.03090581246612e-08,
                             2.0553912445858e-10};

// C and S for |x| <= 1.6.
Pair FresnelNear(double x) {
  const double x2 = x * x;
  const double u = x2 * x2;
  if (std::fabs(x) <= 1.2) {
    return {x * Polynomial(kN1Near, u) / Polynomial(kD1Near, u),
            x * x2 * Polynomial(kN2Near, u) / Polynomial(kD2Near, u)};
  }
  return {x * Polynomial(kN1Mid, u) / Polynomial(kD1Mid, u),
          x * x2 * Polynomial(kN2Mid, u) / Polynomial(kD2Mid, u)};
}

// f and g for c > 1.6: g + i f = (1 + i)/2 erfcx(z) with z = (1 - i) sqrt(pi)/2 c, where
// erfcx(z) = 1/(sqrt(pi) (z + (1/2)/F)) and F = z + 1/(z + (3/2)/(z + 2/(z + ...))).
// Written as g + i f = i / (pi c (1 + E)) with E = 1/(2 z F), so that the much smaller g does not
// come out of a difference.
Pair AuxiliaryFar(double c) {
  using Complex = std::complex<double>;
  constexpr double kTiny = 1e-300;
  constexpr int kMaxSteps = 5000;
  const Complex z = Complex(1, -1) * (0.88622692545275801365 * c);
  // F by modified Lentz.
  Complex value = z;
  Complex cc = z;
  Complex d = 0;
  for (int n = 2; n <= kMaxSteps; ++n) {
    const double a = 0.5 * n;
    d = z + a * d;
    if (std::abs(d) < kTiny) d = kTiny;
    cc = z + a / cc;
    if (std::abs(cc) < kTiny) cc = kTiny;
    d = 1.0 / d;
    const Complex delta = cc * d;
    value *= delta;
    if (std::abs(delta - 1.0) < 1e-16) break;
  }
  const Complex w = 1.0 / (1.0 + 0.5 / (z * value));
  return {w.real() / (kPi * c), -w.imag() / (kPi * c)};
}

// The phase pi x^2 / 2 reduced modulo 2 pi, with x^2 formed exactly so that large arguments
// keep their phase.
double ReducedPhase(double x) {
  const ExactSquare square = Square(x);
  double r = std::fmod(square.high, 4.0) + square.low;
  if (r < 0) r += 4;
  if (r >= 4) r -= 4;
  return r * kHalfPi;
}

}  // namespace

Pair Fresnel(double x) {
  const double c = std::fabs(x);
  if (c <= 1.6) return FresnelNear(x);
  const double h = std::copysign(0.5, x);
  if (c >= 1e15) return {h, h};
  const Pair fg = AuxiliaryFar(c);
  const double f = std::copysign(fg.first, x);
  const double g = std::copysign(fg.second, x);
  const double phase = ReducedPhase(x);
  const double s = std::sin(phase);
  const double co = std::cos(phase);
  return {h + f * s - g * co, h - (f * co + g * s)};
}

Pair FresnelAuxiliary(double x) {
  const double c = std::fabs(x);
  if (c > 1.6) {
    const Pair fg = AuxiliaryFar(c);
    return {std::copysign(fg.first, x), std::copysign(fg.second, x)};
  }
  const double h = std::copysign(0.5, x);
  const Pair cs = FresnelNear(x);
  const double phase = kPi * x * x / 2;
  const double s = std::sin(phase);
  const double co = std::cos(phase);
  return {(h - cs.second) * co - (h - cs.first) * s, (h - cs.first) * co + (h - cs.second) * s};
}

}  // namespace pelmo::special
