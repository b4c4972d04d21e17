// "Concatenate items to the new item" (dialog 167): shows the history's texts, lets the user
// choose a delimiter and which of them take part, and joins them.
#pragma once

#include "tools/ToolContext.h"

namespace pelmo {

// "Concatenate...": the window on copies of the history's entries; its result goes to the
// clipboard through the context's port, to be captured as a concatenated entry.
void ShowConcatenate(const ToolContext& context);

}  // namespace pelmo
