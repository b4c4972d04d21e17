// A text of the notification-area icon as the shell's record holds it (its tip, a balloon's title
// and text): in a fixed array, terminating zero included, into which a longer text is cut.
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
