#include "calc/FunctionTable.h"

#include <cstring>

namespace pelmo {

// Help texts are shown byte for byte in the "wrong number of arguments" message, typos included.
// "\xB5" is the micro sign in the program's ANSI code page.
const FunctionEntry kFunctionTable[kFunctionCount] = {
    {"sin", 1, 0, "sin(radian) => {0..1}"},
    {"cos", 1, 1, "cos(radian) => {0..1}"},
    {"tan", 1, 2, "tan(radian) => {0..inf}"},
    {"atan", 1, 3, "atan({0..1}) => radian"},
    {"acos", 1, 4, "acos({0..1}) => radian"},
    {"asin", 1, 5, "asin({0..1})"},
    {"cosh", 1, 6, "cosh(x) => return cosinus hyberbolic of x"},
    {"sinh", 1, 7, "sinh(x) => return sinus hyberbolic of x"},
    {"exp", 1, 8, "exp(x) => e^x"},
    {"ln", 1, 9, "ln(x) => log in base e"},
    {"log", 1, 10, "log(x) => log in base 10"},
    {"rand", 1, 11, "rand(MaxNum) => Randomize {0..MaxNum}"},
    {"deg", 1, 12, "deg(rad) Transforms radians into degrees"},
    {"rad", 1, 13, "rad(deg) Transforms degrees into radians"},
    {"phe", 1, 14, "phe(wavelength[\xB5m]) Calculate Photon energy [eV]"},
    {"ft_m", 1, 15, "ft_m(foot) Foot to meter "},
    {"yd_m", 1, 16, "yd_m(yard) Yard to meter"},
    {"in_m", 1, 17, "in_m(inch) Inches to meter"},
    {"ps_m", 1, 18, "ps_m(parsec) Parsec to meter"},
    {"ly_m", 1, 19, "ly_m(ly) Light Year to meter"},
    {"au_m", 1, 20, "au_m(au) Astronomical unit to meter"},
    {"c_k", 1, 21, "c_k(celsius) Celsius to Kelvin "},
    {"fh_k", 1, 22, "fh_k(farenheit) Farenheit to Kelvin"},
    {"fh_c", 1, 23, "fh_c(farenheit) Farenheit to Celsius"},
    {"k_c", 1, 24, "k_c(kelvin) Kelvin to Celsius "},
    {"c_fh", 1, 25, "c_fh(celsius) Celsius to Farenheit"},
    {"k_fh", 1, 26, "k_fh(kelvin) Kelvin to Farenheit"},
    {"gal_l", 1, 27, "gal_l(galon) Galon to liter"},
    {"pt_l", 1, 28, "pt_l(pint) Pint to liter"},
    {"oz_l", 1, 29, "oz_l(oz) Oz to liter"},
    {"in3_l", 1, 30, "in3_l(cubInc) Cubic Inch to liter"},
    {"l_m3", 1, 31, "l_m3(liter) Liter to cubic meter"},
    {"pd_kg", 1, 32, "pd_kg(pound) Pound to kilogram"},
    {"min", 2, 33, "MIN(a,b) =a if a<b else b  "},
    {"max", 2, 34, "MAX(a,b) =a if a>b else b  "},
    {"comb", 2, 35,
     "comb(n, k) => number of combinaisons for k object\nn - total number of objects (n>=m) "
     "return 0 if error"},
    {"gcd", 2, 36, "gcd(a, b) => Greatest Common Divisor between a & b"},
    {"angle", 2, 37,
     "Computes angle from cartesian position (x,y)\nangle defined positive if y >0 and negative "
     "if y < 0"},
    {"erf", 1, 38, "erf(x) => return error function for x"},
    // Two arguments, as its help text and its computation (mPn) need.
    {"perm", 2, 39, "perm(m, n) => return permutation mPn\n0 if error"},
    {"lcm", 2, 40, "lcm(a, b) => Largest Common Multiple between a & b"},
    {"frc", 1, 41, "frc(x) => fractionnal part of 'x'"},
    {"int", 1, 42, "int(x) => integer part of 'x'"},
    {"fact", 1, 43, "fact(x) => factorial x!"},
    {"sqrt", 1, 44, "sqrt(x) => square root of 'x'"},
    {"erfc", 1, 45, "erfc(x) => Complementary Error Function"},
    {"gamma", 1, 46, "gamma(x) => Gamma Function"},
    {"lgamma", 1, 47, "lgamma(x) => Natural log of Gamma Function"},
    {"nexperfc", 1, 48, "nexperfc(x) =>exp(x^2)*ercf(x)"},
    {"erf2", 1, 49, "erf2(x) =>"},
    {"inverrf", 2, 50, "inverf(x,minx) => Inverse Error -1<x<1 "},
    {"fresnel_s", 1, 51, "fresnel_s(x) => Fresnel Integral SIN "},
    {"fresnel_c", 1, 52, "fresnel_c(x) => Fresnel Integral COS "},
    {"fresnel_f", 1, 53, "fresnel_f(x) => function f(x) related to the Fresnel Integral"},
    {"fresnel_g", 1, 54, "fresnel_f(x) => function f(x) related to the Fresnel Integral"},
    {"bessj0", 1, 55, "bessj0(x) => Bessel function J0(x) of the 1st kind of order 0"},
    {"bessj1", 1, 56, "bessj1(x) => Bessel function J1(x) of the 1st kind of order 1"},
    {"bessj", 1, 57, "bessj[k](x) => Bessel function Jk(x) of the 1st kind in order k"},
    {"bessy0", 1, 59, "bessy0(x) => Bessel function Y0(x) of the 2nd kind of order 0"},
    {"bessy1", 1, 58, "bessy0(x) => Bessel function Y1(x) of the 2nd kind of order 1"},
    {"bessy", 1, 60, "bessy[k](x) => Bessel function Yk(x) of the 2nd kind of order k"},
    {"bessi0", 1, 61, "bessi0(x) => Mod. Bessel function I0(x) of the 1st kind of order 0"},
    {"bessi1", 1, 62, "bessi1(x) => Mod. Bessel function I1(x) of the 1st kind of order 1"},
    {"bessi", 1, 63, "bessi[j](x) => Mod. Bessel function Ij(x) of the 1st kind of order j"},
    {"bessk0", 1, 64, "bessi1(x) => Mod. Bessel function K0(x) of the 3dt kind of order 0"},
    {"bessk1", 1, 65, "bessi1(x) => Mod. Bessel function K1(x) of the 3dt kind of order 1"},
    {"bessk", 1, 66, "bessk[j](x) => Mod. Bessel function Kj(x) of the 3dt kind of order j "},
    {"spbessj", 1, 67, "spbessj[k](x) => Spherical Bessel funct. Jk+0.5(x) "},
    {"neumann", 2, 68, "neumann(a,x) => Neumann function Ya(x) of the 2nd kind of order a"},
    {"neumann1", 2, 69, "neumann(a,x) => Neumann function Ya+1(x) of the 2nd kind of order a"},
    {"chepol", 2, 70, "chepol(n,x) => Value of the Chebyshev pol. of the first kind Tn(x) above"},
};

const FunctionEntry* FindFunction(const std::string& name) {
  // Longer names cannot fit a row; this also keeps huge names from being compared.
  if (name.size() >= sizeof(FunctionEntry::name)) {
    return nullptr;
  }
  for (const FunctionEntry& entry : kFunctionTable) {
    if (std::strcmp(entry.name, name.c_str()) == 0) return &entry;
  }
  return nullptr;
}

}  // namespace pelmo
