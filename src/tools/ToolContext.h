// What every tool window is opened with: the program's state, the clipboard port it writes
// through, and the window that owns it (the strip).
#pragma once

#include "framework/Wnd.h"
#include "model/ClipboardPort.h"
#include "model/Workspace.h"

namespace pelmo {

struct ToolContext {
  Workspace& workspace;
  ClipboardPort& port;
  CWnd& owner;
};

}  // namespace pelmo
