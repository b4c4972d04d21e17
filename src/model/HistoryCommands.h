// What the strip's history commands do to the history. Each returns the row to select and put
// back on the clipboard (-1: none is left to select), or nullopt when the command changed nothing.
#pragma once

#include <optional>
#include <string>

#include "model/History.h"

namespace pelmo {

// Deletes the entry at `row`; the one that took its place (or the new last one) is selected.
std::optional<int> DeleteEntry(History& history, int row);
// Marks the entry at `row`.
std::optional<int> MarkEntry(History& history, int row);
// Stores what the editor made of `item`, the entry that was selected when it opened (null when
// none was). It keeps its kind. A typed text, or an entry that left the history while it was
// edited, becomes a new top entry, even when empty, evicting nothing.
std::optional<int> StoreEdit(History& history, HistoryItem* item, const std::string& text,
                             const std::u16string& wide);

}  // namespace pelmo
