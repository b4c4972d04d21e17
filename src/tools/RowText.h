// The rows of the tool windows' lists show at most this many characters of their text.
#pragma once

#include <cstddef>
#include <string>

namespace pelmo {

constexpr size_t kRowChars = 50;

inline std::string CutRow(const std::string& text) {
  return text.substr(0, kRowChars);
}

}  // namespace pelmo
