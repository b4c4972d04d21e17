// Concatenate's rules: the rows of its list, how its choices follow the list's selection, and
// the joined text.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/HistoryItem.h"

namespace pelmo {

enum DelimiterChoice : int { kEachOnNewLine = 0, kDelimiterString = 1 };
enum ItemChoice : int { kAllItems = 0, kFirstItems = 1, kSelectedItems = 2, kSelectedReversed = 3 };

// What the user chose in the window.
struct ConcatenateChoice {
  int delimiterChoice = kEachOnNewLine;
  std::string delimiterString = " ,";
  int itemChoice = kFirstItems;
  unsigned firstCount = 10;
};

// "%d  " with the running number (from 1), then the first 50 characters after leading white space.
std::string ConcatenateRow(int number, const std::string& text);
// The same row for an entry's wide text; empty for an entry without one.
std::u16string ConcatenateRow(int number, const std::u16string& text);

// The list's selection changed: one selected row means "First" down to it, several mean
// "Selected", none changes nothing.
void FollowSelection(const std::vector<int>& selectedRows, ConcatenateChoice& choice);

// CR LF for "Each item on new line"; otherwise the typed string, where exactly "\n" (backslash, n)
// stands for a line feed.
std::string Delimiter(const ConcatenateChoice& choice);

// The UTF-16 form of an ANSI text, as the system converts it.
using Widen = std::u16string (*)(std::string_view ansi);

// Each chosen item's full text followed by the delimiter. `selectedRows` ascend. When a chosen
// item keeps a wide text, so does the result: the same join of the items' wide texts, `widen`
// giving that of the delimiter and of every item without one. nullopt when "Selected" or
// "Selected (reverse order)" finds nothing selected: the window then stays open.
std::optional<HistoryItem> Concatenate(const std::vector<HistoryItem>& items,
                                       const std::vector<int>& selectedRows,
                                       const ConcatenateChoice& choice, Widen widen);

}  // namespace pelmo
