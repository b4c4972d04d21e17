// Workspace: the program's state — the history, the ClipBook, the captured links, the Quick
// Replace pairs and the options — and the item files it is kept in. It knows nothing of windows:
// the main window holds it, and every tool window receives it.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "model/History.h"
#include "model/ItemStore.h"
#include "model/Settings.h"

namespace pelmo {

class Workspace {
 public:
  explicit Workspace(const std::string& exePath) : m_store(exePath) {}

  // Every option; the built-in values hold until set-up reads the settings file.
  Settings options;
  History history;
  std::vector<HistoryItem> clipBook;  // "name\ntext" (tools/ClipBook.h), newest first
  std::deque<std::string> links;      // newest first
  std::vector<QuickRepItem> quickRep;

  // The items file (history, ClipBook, links): loading appends below what is there already. It
  // may be done in two steps: ReadItemsFile(Files().ItemsPath()) on any thread, then TakeItems.
  FileOutcome LoadItems() { return TakeItems(ReadItemsFile(m_store.ItemsPath())); }
  FileOutcome TakeItems(Loaded<ItemsFile> read);
  FileOutcome SaveItems();
  // The Quick Replace file: loading appends to the pairs there already.
  FileOutcome LoadQuickRep();
  FileOutcome SaveQuickRep();

  const ItemStore& Files() const { return m_store; }

 private:
  ItemStore m_store;
};

}  // namespace pelmo
