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

class QuickFilter {
 public:
  // Words are separated by blanks; no words match every entry.
  explicit QuickFilter(const std::u16string& typed);
  bool Matches(const HistoryItem& entry) const;

 private:
  std::vector<CaselessFinder> m_ansiWords;  // the words the code page holds, for ANSI texts
  std::vector<std::u16string> m_wideWords;  // every word in lower case, for wide texts
  bool m_allInAnsi = true;
};

// The rows of `history` whose entries match, newest (row 0) first. Typing on narrows the list: a
// text that extends the previous one matches only entries that matched before, so `candidates`,
// the previous result, is all that needs looking at then.
std::vector<int> FilterRows(const History& history, const QuickFilter& filter);
std::vector<int> FilterRows(const History& history, const QuickFilter& filter,
                            const std::vector<int>& candidates);

// The words of a typed text: what stands between blanks.
std::vector<std::u16string> TypedWords(std::u16string_view typed);

}  // namespace pelmo
