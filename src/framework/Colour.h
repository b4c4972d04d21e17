// Colours as the program computes with them, and the one colour its pictures treat as see-through.
#pragma once

#include <cstdint>

namespace pelmo {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
};
inline bool operator==(Rgb a, Rgb b) {
  return a.red == b.red && a.green == b.green && a.blue == b.blue;
}
inline bool operator!=(Rgb a, Rgb b) {
  return !(a == b);
}

// The key colour of every picture of the program: pixels of it are transparent.
inline constexpr Rgb kKeyColour{255, 0, 255};

}  // namespace pelmo
