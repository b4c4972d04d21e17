// The Quick Replace window (dialog 165): lists the pairs and deletes them; a deletion acts on the
// list at once.
#pragma once

#include "tools/ToolContext.h"

namespace pelmo {

// "QuickRep...": the window on the workspace's pairs, owned by the context's owner.
void ShowQuickReplace(const ToolContext& context);

}  // namespace pelmo
