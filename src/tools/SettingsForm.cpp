#include "tools/SettingsForm.h"

#include <climits>

#include "framework/NumberText.h"

namespace pelmo {

std::optional<int> ParseCount(const std::string& text) {
  const auto count = ParseUnsignedText(text);
  if (!count || *count > static_cast<unsigned>(INT_MAX)) return std::nullopt;
  return static_cast<int>(*count);
}

bool ShownChecked(int option) {
  return option != 0;
}

}  // namespace pelmo
