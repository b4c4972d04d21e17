// The quick window: opened by the hotkey at the caret of the window being typed in, a search
// field above the history; typing narrows the list, Enter puts the chosen entry back, and with
// AutoPaste pastes it there. The window in front when it opens must be the port's target.
#pragma once

#include "tools/ToolContext.h"

namespace pelmo {

void ShowQuickWindow(const ToolContext& context);

}  // namespace pelmo
