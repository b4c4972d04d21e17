// The strip's files next to the executable: the items file (history, ClipBook, links), read once
// the window is up, a long one on a worker so that it does not hold up the window, and the Quick
// Replace file. What goes wrong with either is told to the user.
#pragma once

#include <windows.h>

#include <functional>
#include <future>
#include <utility>

#include "model/Workspace.h"

namespace pelmo {

class StripFiles {
 public:
  // `itemsTaken` runs when the read's entries are in the history, before any problem is told.
  StripFiles(Workspace& workspace, std::function<void()> itemsTaken)
      : m_workspace(workspace), m_itemsTaken(std::move(itemsTaken)) {}

  // Starts the read of the items file; WM_ITEMS_READ comes to `window` when it is done, or, for a
  // short file, when it is to be read.
  void StartItemsRead(HWND window);
  // Takes in what the read found, waiting for it if it still runs: when it is done, and before a
  // save or a command, which must see every entry of the file.
  void TakeItemsRead();
  void LoadQuickRep();
  // Saves the Quick Replace file, and the items file with `items`.
  void Save(bool items);

 private:
  Workspace& m_workspace;
  std::function<void()> m_itemsTaken;
  std::future<Loaded<ItemsFile>> m_itemsRead;  // valid from the start of the read until taken in
};

}  // namespace pelmo
