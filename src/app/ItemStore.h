// The item files on disk: where they are, and what loading found out about them, which decides
// what a later save may do to them.
#pragma once

#include <string>
#include <vector>

#include "app/ItemFiles.h"

namespace pelmo {

// How a load or a save went. `problem` is what to tell the user, empty when there is nothing to
// tell (a file that does not exist yet is no problem).
struct FileOutcome {
  bool done = false;
  std::string problem;
};

class ItemStore {
 public:
  // The files are named after the executable: "<dir><base>.clp" and "<dir><base>.qrp".
  explicit ItemStore(const std::string& exePath);

  const std::string& ItemsPath() const { return m_itemsPath; }
  const std::string& QuickRepPath() const { return m_quickRepPath; }

  FileOutcome LoadItems(ItemsFile& into);
  FileOutcome SaveItems(const ItemsFileView& items);
  FileOutcome LoadQuickRep(std::vector<QuickRepItem>& into);
  FileOutcome SaveQuickRep(const std::vector<QuickRepItem>& pairs);

 private:
  std::string m_itemsPath;
  std::string m_quickRepPath;
};

}  // namespace pelmo
