#include "model/HelpWindowPlace.h"

#include <algorithm>

namespace pelmo {

namespace {

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace

Rect HelpWindowRect(Size wanted, const Rect& workArea, const Rect& strip) {
  const int width = std::min(wanted.width, workArea.Width());
  const int height = std::min(wanted.height, workArea.Height());
  const int left = workArea.left + (workArea.Width() - width) / 2;
  const int top = workArea.top + (workArea.Height() - height) / 2;
  const Rect centred{left, top, left + width, top + height};
  if (!Overlap(centred, strip)) return centred;

  const Rect below{left, std::max(strip.bottom, workArea.top), left + width, workArea.bottom};
  const Rect above{left, workArea.top, left + width, std::min(strip.top, workArea.bottom)};
  const bool fitsBelow = below.Height() >= height, fitsAbove = above.Height() >= height;
  if (fitsBelow && (!fitsAbove || below.top - top <= centred.bottom - above.bottom))
    return {left, below.top, left + width, below.top + height};
  if (fitsAbove) return {left, above.bottom - height, left + width, above.bottom};
  // A strip as tall as the work area leaves no band: nothing better than the centre.
  if (below.IsEmpty() && above.IsEmpty()) return centred;
  return below.Height() >= above.Height() ? below : above;
}

}  // namespace pelmo
