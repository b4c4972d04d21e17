// Prints, for every special function, the largest relative error against the reference data
// and, for oscillating functions, the largest absolute error near their zeros; Boost.Math's
// figures at the same points stand beside them where Boost has the function.
//   build/<dir>/bench/calc/calc_accuracy
#define BOOST_MATH_DOMAIN_ERROR_POLICY ignore_error
#define BOOST_MATH_POLE_ERROR_POLICY ignore_error
#define BOOST_MATH_OVERFLOW_ERROR_POLICY ignore_error
#define BOOST_MATH_EVALUATION_ERROR_POLICY ignore_error
#define BOOST_MATH_ROUNDING_ERROR_POLICY ignore_error

#include <boost/math/special_functions/bessel.hpp>
#include <boost/math/special_functions/binomial.hpp>
#include <boost/math/special_functions/chebyshev.hpp>
#include <boost/math/special_functions/erf.hpp>
#include <boost/math/special_functions/factorials.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <string>

#include "ReferenceData.h"

namespace {

using pelmo::test::ReferencePoint;
namespace bm = boost::math;

bool IsWholeNonNegative(double v) {
  return v >= 0 && v == std::trunc(v) && v < 4e9;
}

// Boost.Math's value at a reference point, when it has the function.
std::optional<double> BoostValue(const ReferencePoint& p) {
  const std::string& f = p.function;
  const double x = p.x;
  const double k = p.order;
  if (f == "erf" || f == "erf2") return bm::erf(x);
  if (f == "erfc") return bm::erfc(x);
  if (f == "inverrf") {
    if (std::fabs(x) <= 0.8) return bm::erf_inv(x);
    return x < 0 ? -bm::erfc_inv(p.y) : bm::erfc_inv(p.y);
  }
  if (f == "gamma") return bm::tgamma(x);
  if (f == "lgamma") return bm::lgamma(x);
  if (f == "fact") return bm::factorial<double>(static_cast<unsigned>(x));
  if (f == "comb" && IsWholeNonNegative(x) && IsWholeNonNegative(p.y)) {
    return bm::binomial_coefficient<double>(static_cast<unsigned>(x), static_cast<unsigned>(p.y));
  }
  if (f == "perm" && IsWholeNonNegative(p.y)) {
    return bm::falling_factorial(x, static_cast<unsigned>(p.y));
  }
  if (f == "bessj0") return bm::cyl_bessel_j(0, x);
  if (f == "bessj1") return bm::cyl_bessel_j(1, x);
  if (f == "bessj") return bm::cyl_bessel_j(k, x);
  if (f == "bessy0") return bm::cyl_neumann(0, x);
  if (f == "bessy1") return bm::cyl_neumann(1, x);
  if (f == "bessy") return bm::cyl_neumann(k, x);
  if (f == "bessi0") return bm::cyl_bessel_i(0, x);
  if (f == "bessi1") return bm::cyl_bessel_i(1, x);
  if (f == "bessi") return bm::cyl_bessel_i(k, x);
  if (f == "bessk0") return bm::cyl_bessel_k(0, x);
  if (f == "bessk1") return bm::cyl_bessel_k(1, x);
  if (f == "bessk") return bm::cyl_bessel_k(k, x);
  if (f == "spbessj") {
    const double value = bm::sph_bessel(static_cast<unsigned>(p.order), std::fabs(x));
    return x < 0 && p.order % 2 != 0 ? -value : value;
  }
  if (f == "neumann") return bm::cyl_neumann(x, p.y);
  if (f == "neumann1") return bm::cyl_neumann(x + 1, p.y);
  if (f == "chepol") return bm::chebyshev_t(static_cast<unsigned>(x), p.y);
  return std::nullopt;
}

bool Oscillates(const std::string& f) {
  return f == "bessj0" || f == "bessj1" || f == "bessy0" || f == "bessy1" || f == "bessj" ||
         f == "bessy" || f == "spbessj" || f == "neumann" || f == "neumann1" || f == "chepol";
}

struct Errors {
  int points = 0;
  long double relative = 0;
  long double nearZero = 0;  // absolute, where |value| < 1e-3
  bool available = false;

  void Add(const ReferencePoint& p, double computed, bool oscillates) {
    available = true;
    const long double error = std::fabs(computed - p.value);
    if (oscillates && std::fabs(p.value) < 1e-3L) {
      if (error > nearZero) nearZero = error;
      return;
    }
    const long double relativeError = error / std::fabs(p.value);
    if (relativeError > relative) relative = relativeError;
  }
};

// Reference values beyond the double range (they overflow or underflow in any double code).
bool Representable(const ReferencePoint& p) {
  const long double magnitude = std::fabs(p.value);
  return magnitude == 0 || (magnitude > 2.3e-308L && magnitude < 1.7e308L);
}

void PrintFigure(const Errors& e, long double Errors::*field, bool applies) {
  if (!e.available || !applies) {
    std::printf(" %10s", "-");
  } else {
    std::printf(" %10.2Le", e.*field);
  }
}

}  // namespace

int main() {
  const auto points = pelmo::test::LoadReferenceData(PELMO_TEST_DATA "/calc/reference.txt");
  std::map<std::string, Errors> ours;
  std::map<std::string, Errors> boost;
  for (const ReferencePoint& p : points) {
    if (p.value == 0 && !Oscillates(p.function)) continue;
    if (!Representable(p)) continue;
    const bool oscillates = Oscillates(p.function);
    ++ours[p.function].points;
    ours[p.function].Add(p, pelmo::test::CalculatorValue(p), oscillates);
    if (const auto value = BoostValue(p)) boost[p.function].Add(p, *value, oscillates);
  }
  std::printf("%-10s %6s %10s %10s | %10s %10s   (Boost.Math)\n", "function", "points", "max rel",
              "abs @ zero", "max rel", "abs @ zero");
  for (const auto& [name, errors] : ours) {
    const bool oscillates = Oscillates(name);
    std::printf("%-10s %6d", name.c_str(), errors.points);
    PrintFigure(errors, &Errors::relative, true);
    PrintFigure(errors, &Errors::nearZero, oscillates);
    std::printf(" |");
    PrintFigure(boost[name], &Errors::relative, true);
    PrintFigure(boost[name], &Errors::nearZero, oscillates);
    std::printf("\n");
  }
  return 0;
}
