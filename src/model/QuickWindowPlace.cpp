#include "model/QuickWindowPlace.h"

#include <algorithm>

namespace pelmo {

Point QuickWindowOrigin(const Rect& caret, Size window, const Rect& screen) {
  int y = caret.bottom;
  if (y + window.height > screen.bottom) y = caret.top - window.height;
  y = std::max(screen.top, std::min(y, screen.bottom - window.height));
  const int x = std::max(screen.left, std::min(caret.left, screen.right - window.width));
  return {x, y};
}

Point PreviewOrigin(const Rect& window, Size preview, const Rect& screen) {
  int x = window.right;
  if (x + preview.width > screen.right) x = window.left - preview.width;
  x = std::max(screen.left, std::min(x, screen.right - preview.width));
  const int y = std::max(screen.top, std::min(window.top, screen.bottom - preview.height));
  return {x, y};
}

}  // namespace pelmo
