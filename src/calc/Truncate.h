// Truncation toward zero to a signed 32-bit integer, as the calculator's integer operations
// take their operands. Values beyond the range saturate and NaN gives 0, so no input is
// undefined behaviour.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace pelmo {

inline std::int32_t TruncToInt32(double value) {
  using Limits = std::numeric_limits<std::int32_t>;
  if (std::isnan(value)) return 0;
  if (value <= Limits::min()) return Limits::min();
  if (value >= Limits::max()) return Limits::max();
  return static_cast<std::int32_t>(value);
}

}  // namespace pelmo
