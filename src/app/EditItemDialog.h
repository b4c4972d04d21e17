// The item editor (dialog 147): one history entry's full text in a resizable field, in the
// "System" font with the "BigFont" option.
#pragma once

#include <optional>

#include "model/HistoryItem.h"
#include "tools/ToolContext.h"

namespace pelmo {

// "Edit": shows `entry`'s text (its wide text, when it keeps one) over the context's owner.
// Done gives what the field holds: its ANSI form and, when that lost characters of it, its UTF-16
// form; Cancel, Escape and the close box give nullopt.
std::optional<HistoryItem> ShowEditItem(const ToolContext& context, const HistoryItem& entry);

}  // namespace pelmo
