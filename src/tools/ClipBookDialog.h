// The ClipBook window (dialog 158): deletes, reorders and copies back the named texts of the
// ClipBook; every change acts on the list at once.
#pragma once

#include "tools/ToolContext.h"

namespace pelmo {

// "ClipBook...": the window on the workspace's ClipBook, owned by the context's owner.
void ShowClipBook(const ToolContext& context);

}  // namespace pelmo
