#include "model/QuickWindowPlace.h"

#include <algorithm>

namespace pelmo {

namespace {

// Where a span of `length` starts within [low, high): at `start`, moved in as far as it must.
int Within(int start, int length, int low, int high) {
  return std::max(low, std::min(start, high - length));
}

// A span of `length` beside an anchor from `anchorStart` to `anchorEnd`: after it, or before it
// when it would run past `high`, and kept within [low, high).
int Beside(int anchorStart, int anchorEnd, int length, int low, int high) {
  return Within(anchorEnd + length > high ? anchorStart - length : anchorEnd, length, low, high);
}

}  // namespace

Point QuickWindowOrigin(const Rect& caret, Size window, const Rect& screen) {
  return {Within(caret.left, window.width, screen.left, screen.right),
          Beside(caret.top, caret.bottom, window.height, screen.top, screen.bottom)};
}

Point PreviewOrigin(const Rect& window, Size preview, const Rect& screen) {
  return {Beside(window.left, window.right, preview.width, screen.left, screen.right),
          Within(window.top, preview.height, screen.top, screen.bottom)};
}

}  // namespace pelmo
