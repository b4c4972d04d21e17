// ExpressionEvaluator::CallFunction: the arity check and the computation of every table code.
#include <cmath>
#include <cstdlib>
#include <ctime>

#include "calc/ExpressionEvaluator.h"
#include "calc/HigherFunctions.h"
#include "calc/Truncate.h"

namespace pelmo {
namespace {

constexpr double kPi = 3.141592653589793;

// A value between 0 and `maximum`, drawn from the runtime's generator, seeded once per process
// so that every run draws a different sequence.
double RandomUpTo(double maximum) {
  static const bool seeded = (std::srand(static_cast<unsigned>(std::time(nullptr))), true);
  (void)seeded;
  return std::rand() / static_cast<double>(RAND_MAX) * maximum;
}

// Direction of the point with horizontal coordinate y and vertical coordinate x.
double Angle(double x, double y) {
  double angle;
  if (y == 0) {
    angle = kPi / 2;
  } else if (x == 0) {
    return y > 0 ? 0 : kPi;
  } else {
    angle = std::atan(std::fabs(x) / y);
    if (y < 0) angle += kPi;
  }
  return x < 0 ? -angle : angle;
}

bool OrderInRange(int k) {
  return k >= -special::kMaxOrder && k <= special::kMaxOrder;
}

}  // namespace

double ExpressionEvaluator::CallFunction(const FunctionEntry& entry, int argCount, double x,
                                         double y, int index) {
  if (argCount != entry.arity) {
    RaiseError(kArgumentCount, std::string(",") + entry.help);
    return 0.0;
  }
  // Orders select integer-order Bessel routines whose work grows with the order.
  const bool usesOrder = entry.code == 57 || entry.code == 60 || entry.code == 63 ||
                         entry.code == 66 || entry.code == 67;
  if (usesOrder && (!OrderInRange(index) || (entry.code == 67 && index < 0))) {
    RaiseError(kOrderOutOfRange);
    return 0.0;
  }
  switch (entry.code) {
    case 0:
      return std::sin(x);
    case 1:
      return std::cos(x);
    case 2:
      return std::tan(x);
    case 3:
      return std::atan(x);
    case 4:
      return std::acos(x);
    case 5:
      return std::asin(x);
    case 6:
      return std::cosh(x);
    case 7:
      return std::sinh(x);
    case 8:
      return std::exp(x);
    case 9:
      return std::log(x);
    case 10:
      return std::log10(x);
    case 11:
      return RandomUpTo(x);
    case 12:
      return x * 57.29577951471995;
    case 13:
      return x * 0.017453292519444445;
    case 14:
      return 1.2398 / x;
    case 15:
      return x * 0.3048;
    case 16:
      return x * 0.9144;
    case 17:
      return x * 0.0254;
    case 18:
      return x * 3.086e16;
    case 19:
      return x * 9.45755e15;
    case 20:
      return x * 1.496134e11;
    case 21:
      return x + 273.6;
    case 22:
      return (x - 32) * 0.5555555555555556 + 273.6;
    case 23:
      return (x - 32) * 0.5555555555555556;
    case 24:
      return x - 273.6;
    case 25:
      return 1.8 * x + 32;
    case 26:
      return 1.8 * (x - 273.6) + 32;
    case 27:
      return x * 3.785;
    case 28:
      return x * 0.473;
    case 29:
      return x * 0.029573;
    case 30:
      return x * 0.0163871;
    case 31:
      return x * 0.001;
    case 32:
      return x * 0.454;
    case 33:
      return y < x ? y : x;
    case 34:
      return y > x ? y : x;
    case 35:
      return special::Binomial(x, y);
    case 36:
      return special::Gcd(x, y);
    case 37:
      return Angle(x, y);
    case 38:
      return special::ErfPair(x).first;
    case 39:
      return special::Permutations(x, y);
    case 40:
      return special::Lcm(x, y);
    // Integer and fractional parts are not limited to 32 bits.
    case 41:
      return x - std::trunc(x);
    case 42:
      return std::trunc(x);
    case 43:
      if (std::isnan(x)) return x;
      if (std::trunc(x) < 0) {
        RaiseError(kNegativeFactorial);
        return 0.0;
      }
      return special::Factorial(TruncToInt32(x));
    case 44:
      return std::sqrt(x);
    case 45:
      return special::ErfPair(x).second;
    case 46:
      return special::Gamma(x);
    case 47:
      return special::LogGamma(x);
    case 48:
      return special::ScaledErfc(x);
    case 49:
      return special::Erf2(x);
    case 50:
      return special::InverseErf(x, y);
    case 51:
      return special::Fresnel(x).second;
    case 52:
      return special::Fresnel(x).first;
    case 53:
      return special::FresnelAuxiliary(x).first;
    case 54:
      return special::FresnelAuxiliary(x).second;
    case 55:
      return special::BesselJ0(x);
    case 56:
      return special::BesselJ1(x);
    case 57:
      return special::BesselJn(index, x);
    case 58:
    case 59: {
      const special::Pair y01 = special::BesselY01(x);
      if (!(x > 0)) RaiseError(kBesselArgument);
      return entry.code == 59 ? y01.first : y01.second;
    }
    case 60:
      if (!(x > 0)) {
        RaiseError(kBesselArgument);
        return 0.0;
      }
      return special::BesselYn(index, x);
    case 61:
      return special::BesselI0(x);
    case 62:
      return special::BesselI1(x);
    case 63:
      return special::BesselIn(index, x);
    case 64:
      return special::BesselK01(x).first;
    case 65:
      return special::BesselK01(x).second;
    case 66:
      return special::BesselKn(index, x);
    case 67:
      return special::SphericalJn(index, x);
    case 68:
    case 69: {
      if (!(std::fabs(x) <= special::kMaxOrder)) {
        RaiseError(kOrderOutOfRange);
        return 0.0;
      }
      const special::Pair ya = special::RealOrderY(x, y);
      if (x == 0 && !(y > 0)) RaiseError(kBesselArgument);
      return entry.code == 68 ? ya.first : ya.second;
    }
    case 70: {
      const std::int32_t n = TruncToInt32(x);
      if (n < 0) {
        RaiseError(kChebyshevDegree);
        return 0.0;
      }
      return special::Chepol(n, y);
    }
  }
  return 0.0;
}

}  // namespace pelmo
