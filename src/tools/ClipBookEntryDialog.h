// "To ClipBook" and its name prompt (dialog 164).
#pragma once

#include "tools/ToolContext.h"

namespace pelmo {

// "To ClipBook" (also Shift+Enter in the history drop-down): `item`'s text, under the name the
// user confirms (an empty one is allowed), becomes the first ClipBook entry. Nothing happens
// without an item.
void ToClipBook(const ToolContext& context, const HistoryItem* item);

}  // namespace pelmo
