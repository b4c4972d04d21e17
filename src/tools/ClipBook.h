// ClipBook entries: one string each, the name, a line feed, then the text. A string without a
// line feed is its own name and its own text.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pelmo {

std::string MakeClipBookEntry(const std::string& name, const std::string& text);
std::string ClipBookName(const std::string& entry);
std::string ClipBookText(const std::string& entry);

// The name "To ClipBook" proposes for a text: its first 35 characters.
std::string ProposedClipBookName(const std::string& text);

// Move Up (step -1) and Move Down (step +1): exchanges the selected entry's string with its
// neighbour's and returns the neighbour's row, which becomes the selected one; nullopt, changing
// nothing, when there is no selection or no neighbour that way.
std::optional<int> MoveClipBookEntry(std::vector<std::string>& entries, int selected, int step);

}  // namespace pelmo
