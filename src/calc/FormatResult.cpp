// ExpressionEvaluator::FormatResult: "%.8lG" done here rather than by the runtime's printf,
// whose exponent digits and texts for infinities differ between platforms.
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "calc/ExpressionEvaluator.h"

namespace pelmo {
namespace {

constexpr int kSignificantDigits = 8;

void StripTrailingZeros(std::string& digits) {
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
}

}  // namespace

std::string ExpressionEvaluator::FormatResult(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";

  // Correctly rounded to eight significant digits: "-d.dddddddde+XX".
  char buffer[40];
  const auto converted = std::to_chars(buffer, buffer + sizeof buffer, value,
                                       std::chars_format::scientific, kSignificantDigits - 1);
  const std::string scientific(buffer, converted.ptr);
  const std::size_t e = scientific.find('e');
  const bool negative = scientific[0] == '-';
  std::string digits;
  for (std::size_t i = negative ? 1 : 0; i < e; ++i) {
    if (scientific[i] != '.') digits += scientific[i];
  }
  const int exponent = std::atoi(scientific.c_str() + e + 1);

  std::string text = negative ? "-" : "";
  std::string fraction;
  if (exponent < -4 || exponent >= kSignificantDigits) {
    text += digits[0];
    fraction = digits.substr(1);
    StripTrailingZeros(fraction);
    if (!fraction.empty()) text += '.' + fraction;
    const int magnitude = std::abs(exponent);
    text += exponent < 0 ? "E-" : "E+";
    if (magnitude < 10) text += '0';
    text += std::to_string(magnitude);
    return text;
  }
  if (exponent >= 0) {
    text += digits.substr(0, exponent + 1);
    fraction = digits.substr(exponent + 1);
  } else {
    text += '0';
    fraction = std::string(-exponent - 1, '0') + digits;
  }
  StripTrailingZeros(fraction);
  if (!fraction.empty()) text += '.' + fraction;
  return text;
}

}  // namespace pelmo
