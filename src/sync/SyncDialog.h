// The "Sync" window (dialog 173): the folder the history is shared through, the passphrase and
// whether copies from the other computers go on the clipboard.
#pragma once

#include "sync/SyncSettings.h"
#include "tools/ToolContext.h"

namespace pelmo {

// "Sync...": true when the user confirmed a change, which `settings` then holds; otherwise they
// are left as they were. Nothing is written or started here.
bool ShowSync(const ToolContext& context, SyncSettings& settings);

}  // namespace pelmo
