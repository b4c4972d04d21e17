// The commands that open a tool window, or act outside the strip, from its menus and buttons.
#pragma once

#include <windows.h>

#include "tools/ToolContext.h"

namespace pelmo {

// Runs the command when it is one of these; `selected` is the strip's selected entry, if any.
// False for any other command.
bool RunToolCommand(WORD id, const ToolContext& context, const HistoryItem* selected);

}  // namespace pelmo
