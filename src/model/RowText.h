// The rows of the tool windows' lists show at most this many characters of their text.
#pragma once

#include <cstddef>
#include <string>

namespace pelmo {

constexpr size_t kRowChars = 50;

// Either form of a text: the ANSI bytes, or the UTF-16 of a text the code page cannot hold.
template <typename String>
String CutRow(const String& text) {
  return text.substr(0, kRowChars);
}

}  // namespace pelmo
