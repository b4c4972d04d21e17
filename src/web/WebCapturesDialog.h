// The "HTTP captures" window (dialog 156). It works on the captured-links list in place: every
// change is immediate and stays when the window closes, whichever way.
#pragma once

#include "tools/ToolContext.h"

namespace pelmo {

// "Web...": the window on the workspace's captured links, modal over the context's owner.
void ShowWebCaptures(const ToolContext& context);

}  // namespace pelmo
