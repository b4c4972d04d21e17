#include "tools/Concatenate.h"

#include <algorithm>

#include "model/RowText.h"

namespace pelmo {

namespace {

// The rows that take part, in order; nullopt when "Selected" finds nothing selected.
std::optional<std::vector<size_t>> ChosenRows(size_t count, const std::vector<int>& selectedRows,
                                              const ConcatenateChoice& choice) {
  std::vector<size_t> rows;
  switch (choice.itemChoice) {
    case kAllItems:
      for (size_t row = 0; row < count; ++row) rows.push_back(row);
      break;
    case kFirstItems:
      for (size_t row = 0; row < std::min<size_t>(choice.firstCount, count); ++row)
        rows.push_back(row);
      break;
    case kSelectedItems:
    case kSelectedReversed:
      if (selectedRows.empty()) return std::nullopt;
      for (const int row : selectedRows) rows.push_back(static_cast<size_t>(row));
      if (choice.itemChoice == kSelectedReversed) std::reverse(rows.begin(), rows.end());
      break;
    default:
      break;
  }
  return rows;
}

}  // namespace

namespace {

template <typename String>
String NumberedRow(const String& number, const String& text) {
  const String blanks{' ', '\t', '\r', '\n', '\v', '\f'};
  const size_t start = text.find_first_not_of(blanks);
  const String trimmed = start == String::npos ? String() : text.substr(start);
  return number + String(2, ' ') + CutRow(trimmed);
}

}  // namespace

std::string ConcatenateRow(int number, const std::string& text) {
  return NumberedRow(std::to_string(number), text);
}

std::u16string ConcatenateRow(int number, const std::u16string& text) {
  if (text.empty()) return std::u16string();
  const std::string digits = std::to_string(number);
  return NumberedRow(std::u16string(digits.begin(), digits.end()), text);
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

std::optional<HistoryItem> Concatenate(const std::vector<HistoryItem>& items,
                                       const std::vector<int>& selectedRows,
                                       const ConcatenateChoice& choice, Widen widen) {
  const std::optional<std::vector<size_t>> rows = ChosenRows(items.size(), selectedRows, choice);
  if (!rows) return std::nullopt;
  const std::string delimiter = Delimiter(choice);
  HistoryItem result;
  for (const size_t row : *rows) result.text += items[row].text + delimiter;
  const bool wide =
      std::any_of(rows->begin(), rows->end(), [&](size_t row) { return !items[row].wide.empty(); });
  if (!wide) return result;
  const std::u16string wideDelimiter = widen(delimiter);
  for (const size_t row : *rows) {
    const HistoryItem& item = items[row];
    result.wide += (item.wide.empty() ? widen(item.text) : item.wide) + wideDelimiter;
  }
  return result;
}

}  // namespace pelmo
