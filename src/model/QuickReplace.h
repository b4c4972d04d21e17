// Quick Replace rules: which pair a captured text calls up, and how a pair is shown in the Quick
// Replace window.
#pragma once

#include <string>
#include <vector>

#include "model/ItemFiles.h"

namespace pelmo {

// The replacement stored by "To QuickRep" when no history entry is selected.
constexpr const char* kEmptyReplacement = "*empty*";

// The first pair from the head whose shortcut equals the whole text, byte for byte and case
// sensitive; null when none does. An empty text (a change without text) matches an empty
// shortcut.
const QuickRepItem* FindQuickRep(const std::vector<QuickRepItem>& pairs, const std::string& text);

// The row of a pair: shortcut, "   ....  ", text, cut to 50 characters.
std::string QuickRepRow(const QuickRepItem& pair);

}  // namespace pelmo
