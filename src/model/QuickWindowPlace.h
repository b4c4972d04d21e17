// Where the quick window opens: just below the caret of the window being typed in (or the mouse),
// moved as little as needed to lie whole on the screen, and above the caret when there is no
// room below it. And where its preview goes: beside it.
#pragma once

#include "framework/Geometry.h"

namespace pelmo {

// `caret` is the caret's rectangle on the screen (empty at the mouse); `screen` the work area.
Point QuickWindowOrigin(const Rect& caret, Size window, const Rect& screen);

// A preview of `size` beside the quick window `window`: at its right when there is room, else at
// its left, their tops level; moved as little as needed to lie whole on the work area `screen`.
Point PreviewOrigin(const Rect& window, Size preview, const Rect& screen);

}  // namespace pelmo
