// The quick window's filter: which history entries hold every word of a typed text, anywhere, in
// any case. Words the code page holds are found in an entry's ANSI text as find next finds them;
// words it cannot hold (Greek, Cyrillic, ...) in the wide text the entry keeps.
#pragma once

#include <string>
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
  std::vector<CaselessFinder> m_ansiWords;
  std::vector<std::u16string> m_wideWords;  // in lower case
};

// The rows of `history` whose entries match, newest (row 0) first. Typing on narrows the list: a
// text that extends the previous one matches only entries that matched before, so `candidates`,
// the previous result, is all that needs looking at then.
std::vector<int> FilterRows(const History& history, const QuickFilter& filter);
std::vector<int> FilterRows(const History& history, const QuickFilter& filter,
                            const std::vector<int>& candidates);

}  // namespace pelmo
