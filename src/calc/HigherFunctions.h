// The numerical routines behind the calculator's special functions. All are pure: domain
// errors that the calculator reports (negative factorial, chepol degree, Y of integer order at
// x <= 0) are checked by the evaluator before it calls them.
#pragma once

namespace pelmo::special {

struct Pair {
  double first;
  double second;
};

// Gamma family.
double Gammln(double x);  // ln|Gamma(x)|
double Gamma(double x);
double LogGamma(double x);  // the lgamma row: ln Gamma(x)
double Factorial(int n);    // n >= 0
double Binomial(double n, double k);
double Permutations(double m, double n);
double Gammp(double a, double x);  // regularised lower incomplete gamma P(a, x)

// Error function family.
Pair ErfPair(double x);       // erf(x), erfc(x)
double ScaledErfc(double x);  // exp(x^2) erfc(x)
double Erf2(double x);
double InverseErf(double x, double complement);
double Clenshaw(const double* c, int n, double t);  // sum c[k] T_k(t), k = 0..n

// Fresnel integrals.
Pair Fresnel(double x);           // C(x), S(x)
Pair FresnelAuxiliary(double x);  // f(x), g(x)

// Bessel functions of order 0 and 1.
double BesselJ0(double x);
double BesselJ1(double x);
Pair BesselY01(double x);  // meaningless for x <= 0
double BesselI0(double x);
double BesselI1(double x);
Pair BesselK01(double x);

// Integer orders. Orders beyond kMaxOrder are refused by the evaluator: their work and memory
// grow with the order.
constexpr int kMaxOrder = 100000;
double StartOrder(double x, int n, int mode);  // an integer value
double BesselJn(int k, double x);
double BesselYn(int k, double x);  // x > 0
double BesselIn(int k, double x);
double BesselKn(int k, double x);
double SphericalJn(int k, double x);  // k >= 0; j_k(-x) = (-1)^k j_k(x)

// Y of real order a and a + 1 at x (the pair Y0/Y1 when a = 0).
Pair RealOrderY(double a, double x);

double Chepol(int n, double x);  // n >= 0
double Gcd(double x, double y);
double Lcm(double x, double y);

}  // namespace pelmo::special
