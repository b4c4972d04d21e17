// The quick window's filter: which history entries hold every word of a typed text, anywhere, in
// any case, found as find next finds a text: in the wide text an entry keeps (Greek, Cyrillic,
// ...), otherwise in its ANSI text, which holds no word the code page cannot.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/CaselessFind.h"
#include "model/History.h"

namespace pelmo {

// The words of a typed text (what stands between blanks) in the two forms entries are searched
// in: as the code page holds them, for ANSI texts, and all of them in lower case, for wide texts.
struct SearchWords {
  explicit SearchWords(std::u16string_view typed);
  std::vector<CaselessFinder> ansi;  // only the words the code page holds
  std::vector<std::u16string> wide;
  bool allInAnsi = true;
};

class QuickFilter {
 public:
  // No words match every entry.
  explicit QuickFilter(const std::u16string& typed) : m_words(typed) {}
  bool Matches(const HistoryItem& entry) const;

 private:
  SearchWords m_words;
};

// The rows of `history` whose entries match, newest (row 0) first. Typing on narrows the list: a
// text that extends the previous one matches only entries that matched before, so `candidates`,
// the previous result, is all that needs looking at then.
std::vector<int> FilterRows(const History& history, const QuickFilter& filter);
std::vector<int> FilterRows(const History& history, const QuickFilter& filter,
                            const std::vector<int>& candidates);

}  // namespace pelmo
