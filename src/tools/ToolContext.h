// What every tool window receives from the strip: the program's state, the clipboard side of the
// strip, and the window that owns the tool window (and stays disabled) while it is open.
#pragma once

#include "model/ClipboardPort.h"
#include "model/Workspace.h"
#include "framework/Wnd.h"

namespace pelmo {

struct ToolContext {
  Workspace& workspace;
  ClipboardPort& port;
  CWnd& owner;
};

}  // namespace pelmo
