// The "Settings" window (dialog 146): it edits a copy of the options, which the workspace takes
// back only when the window is confirmed with OK.
#pragma once

#include "tools/ToolContext.h"

namespace pelmo {

// "Settings ...": true when the user confirmed changes into the workspace's options; otherwise
// they are left as they were. Nothing is applied or written here.
bool ShowSettings(const ToolContext& context);

}  // namespace pelmo
