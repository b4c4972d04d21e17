// The notification-area icon's tip as the shell's record holds it: in a fixed array, terminating
// zero included, into which a longer tip is cut.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace pelmo {

inline void CopyTipText(std::string_view text, char* tip, size_t size) {
  if (size == 0) return;
  const size_t kept = std::min(text.size(), size - 1);
  std::memcpy(tip, text.data(), kept);
  tip[kept] = '\0';
}

}  // namespace pelmo
