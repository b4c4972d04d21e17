// What a row of the quick window shows of its entry while words are typed: the line that holds the
// first of them found, with every typed word in it marked, so that a match beyond the label shows.
// Matching is the quick filter's: caseless, in any language.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "model/HistoryItem.h"
#include "model/QuickFilter.h"

namespace pelmo {

struct TextSpan {
  size_t start = 0;
  size_t length = 0;
};

struct QuickRow {
  // The part of the entry's text shown: of its wide text when it keeps one. Its label when no
  // word is typed or none is found; otherwise the label still when the first match lies in it,
  // else that match's line, trimmed and cut to a label's length as labels are.
  TextSpan text;
  // The line goes on before the part shown: it was cut there so that the first match shows.
  bool cutBefore = false;
  // The marked parts of the text shown, in order and apart, counted from its start.
  std::array<TextSpan, kLabelBytes> marks;
  size_t markCount = 0;
};

class QuickRowMarker {
 public:
  explicit QuickRowMarker(const std::u16string& typed) : m_words(typed) {}
  // Allocates nothing: it runs for every row drawn.
  QuickRow RowOf(const HistoryItem& entry) const;

 private:
  SearchWords m_words;
};

}  // namespace pelmo
