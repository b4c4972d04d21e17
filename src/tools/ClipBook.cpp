#include "tools/ClipBook.h"

#include <utility>

namespace pelmo {

namespace {
constexpr size_t kProposedNameChars = 35;
}  // namespace

std::string MakeClipBookEntry(const std::string& name, const std::string& text) {
  return name + '\n' + text;
}

std::string ClipBookName(const std::string& entry) {
  return entry.substr(0, entry.find('\n'));
}

std::string ClipBookText(const std::string& entry) {
  const size_t lineFeed = entry.find('\n');
  return lineFeed == std::string::npos ? entry : entry.substr(lineFeed + 1);
}

std::string ProposedClipBookName(const std::string& text) {
  return text.substr(0, kProposedNameChars);
}

std::optional<int> MoveClipBookEntry(std::vector<std::string>& entries, int selected, int step) {
  const int count = static_cast<int>(entries.size());
  const int neighbour = selected + step;
  if (selected < 0 || selected >= count || neighbour < 0 || neighbour >= count) return std::nullopt;
  std::swap(entries[static_cast<size_t>(selected)], entries[static_cast<size_t>(neighbour)]);
  return neighbour;
}

}  // namespace pelmo
