// The commands that open a tool window, or act outside the strip, from its menus and buttons.
#pragma once

#include <windows.h>

#include "framework/Wnd.h"
#include "model/ClipboardPort.h"
#include "model/Workspace.h"

namespace pelmo {

// Runs the command when it is one of these; `selected` is the strip's selected entry, if any.
// False for any other command.
bool RunToolCommand(WORD id, Workspace& workspace, ClipboardPort& port, CWnd& owner,
                    HistoryItem* selected);

}  // namespace pelmo
