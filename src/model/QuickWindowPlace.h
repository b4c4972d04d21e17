// Where the quick window opens: just below the caret of the window being typed in (or the mouse),
// moved as little as needed to lie whole on the screen, and above the caret when there is no
// room below it.
#pragma once

#include "framework/Geometry.h"

namespace pelmo {

// `caret` is the caret's rectangle on the screen (empty at the mouse); `screen` the work area.
Point QuickWindowOrigin(const Rect& caret, Size window, const Rect& screen);

}  // namespace pelmo
