// "To QuickRep" and its shortcut prompt (dialog 166).
#pragma once

#include "tools/ToolContext.h"

namespace pelmo {

// "To QuickRep": a new pair at the end of the list, the typed shortcut (unchecked) for `item`'s
// text, or for "*empty*" without an item.
void ToQuickRep(const ToolContext& context, const HistoryItem* item);

}  // namespace pelmo
