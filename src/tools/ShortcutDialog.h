// "To QuickRep" and its shortcut prompt (dialog 166).
#pragma once

#include "model/Workspace.h"
#include "framework/Wnd.h"

namespace pelmo {

// "To QuickRep": a new pair at the end of the list, the typed shortcut (unchecked) for `item`'s
// text, or for "*empty*" without an item.
void ToQuickRep(Workspace& workspace, CWnd& owner, const HistoryItem* item);

}  // namespace pelmo
