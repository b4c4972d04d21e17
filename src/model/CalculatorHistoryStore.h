// The calculator's history file as its window uses it: loaded each time the window opens, saved
// each time it closes, and never saved over while it is there but could not be read at the
// opening (UnreadableFileGuard). The load's report already says that the calculator will not
// save over it, and the save comes when the same window closes: that save leaves the file alone
// without another word.
#pragma once

#include <string>
#include <vector>

#include "model/ItemStore.h"
#include "model/UnreadableFileGuard.h"

namespace pelmo {

class CalculatorHistoryStore {
 public:
  // The file is named after the executable: "<dir><base>.clc". `limit` is the "Calculator"
  // setting, the number of entries kept (below 4 counts as 4).
  CalculatorHistoryStore(const std::string& exePath, unsigned limit);

  const std::string& Path() const { return m_path; }

  // The entries, newest first; after a fault, those read before it.
  FileOutcome Load(std::vector<std::string>& newestFirst);
  FileOutcome Save(const std::vector<std::string>& newestFirst);

 private:
  std::string m_path;
  unsigned m_limit;
  UnreadableFileGuard m_guard;
};

}  // namespace pelmo
