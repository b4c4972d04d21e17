#include "tools/Concatenate.h"

#include <algorithm>

#include "tools/RowText.h"

namespace pelmo {

std::string ConcatenateRow(int number, const std::string& text) {
  const size_t start = text.find_first_not_of(" \t\r\n\v\f");
  const std::string trimmed = start == std::string::npos ? std::string() : text.substr(start);
  return std::to_string(number) + "  " + CutRow(trimmed);
}

void FollowSelection(const std::vector<int>& selectedRows, ConcatenateChoice& choice) {
  if (selectedRows.size() == 1) {
    choice.itemChoice = kFirstItems;
    choice.firstCount = static_cast<unsigned>(selectedRows.front()) + 1;
  } else if (selectedRows.size() > 1) {
    choice.itemChoice = kSelectedItems;
  }
}

std::string Delimiter(const ConcatenateChoice& choice) {
  if (choice.delimiterChoice == kEachOnNewLine) return "\r\n";
  return choice.delimiterString == "\\n" ? "\n" : choice.delimiterString;
}

std::optional<std::string> Concatenate(const std::vector<std::string>& items,
                                       const std::vector<int>& selectedRows,
                                       const ConcatenateChoice& choice) {
  const std::string delimiter = Delimiter(choice);
  std::string result;
  const auto add = [&](size_t row) {
    result += items[row];
    result += delimiter;
  };
  switch (choice.itemChoice) {
    case kAllItems:
      for (size_t row = 0; row < items.size(); ++row) add(row);
      break;
    case kFirstItems:
      for (size_t row = 0; row < std::min<size_t>(choice.firstCount, items.size()); ++row) add(row);
      break;
    case kSelectedItems:
    case kSelectedReversed:
      if (selectedRows.empty()) return std::nullopt;
      if (choice.itemChoice == kSelectedItems)
        for (const int row : selectedRows) add(static_cast<size_t>(row));
      else
        for (auto row = selectedRows.rbegin(); row != selectedRows.rend(); ++row)
          add(static_cast<size_t>(*row));
      break;
    default:
      break;
  }
  return result;
}

}  // namespace pelmo
