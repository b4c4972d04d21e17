// One entry of the clipboard history.
#pragma once

#include <cstddef>
#include <string>

namespace pelmo {

enum HistoryKind : int {
  kPlain = 0,
  kConcatenated = 1,
  kMarked = 2,
  kDroppedFiles = 3,
};

struct HistoryItem {
  std::string text;  // the full text, never trimmed or shortened
  int kind = kPlain;
  int multiLine = 0;  // 1 when the text holds a line feed
};

// A label is made from at most this many bytes of its entry's text.
constexpr size_t kLabelBytes = 50;

// The one-line row text of an entry: the first line of its first 50 bytes, trimmed.
// Also sets the entry's multi-line flag from its text.
std::string MakeLabel(HistoryItem& item);

}  // namespace pelmo
