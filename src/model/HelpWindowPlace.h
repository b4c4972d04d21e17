// Where the help window opens: in plain view, not under the always-on-top strip.
#pragma once

#include "framework/Geometry.h"

namespace pelmo {

// Centred on `workArea` (the strip's monitor without the taskbar), `wanted` cut to fit it. When
// the strip would cover part of it: just below or above the strip, whichever is the shorter
// move; where neither fits, in the taller free band, shortened to it.
Rect HelpWindowRect(Size wanted, const Rect& workArea, const Rect& strip);

}  // namespace pelmo
